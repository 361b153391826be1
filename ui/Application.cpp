#include "ui/Application.h"

#include "platform/Error.h"

namespace ui {

void Application::Dispatch(const std::function<void()>& handler) noexcept {
  if (!handler) {
    return;
  }
  try {
    handler();
  } catch (...) {
    ShowException(std::current_exception());
  }
}

void Application::ShowException(const std::exception_ptr& error) noexcept {
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  try {
    ShowError(ErrorText(message));
  } catch (...) {
    // The report itself failed (no memory, no display): there is nobody left to tell.
  }
}

std::string Application::ErrorText(const std::string& message) {
  // Compared as bytes, so every non-ASCII last character sorts after the full stop.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

}  // namespace ui
