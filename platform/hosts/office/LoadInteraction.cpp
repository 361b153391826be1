#include "platform/hosts/office/LoadInteraction.h"

#include <com/sun/star/document/FilterOptionsRequest.hpp>
#include <com/sun/star/document/XInteractionFilterOptions.hpp>
#include <com/sun/star/task/ErrorCodeRequest.hpp>
#include <com/sun/star/task/PasswordRequest.hpp>
#include <com/sun/star/task/XInteractionAbort.hpp>
#include <com/sun/star/task/XInteractionApprove.hpp>

#include "platform/hosts/office/UnoText.h"

namespace css = com::sun::star;

namespace platform::hosts::uno {
namespace {

template <typename Continuation>
bool Select(const css::uno::Reference<css::task::XInteractionRequest>& request) {
  const auto continuations = request->getContinuations();
  for (const auto& continuation : continuations) {
    css::uno::Reference<Continuation> chosen(continuation, css::uno::UNO_QUERY);
    if (chosen.is()) {
      chosen->select();
      return true;
    }
  }
  return false;
}

// The office's error codes carry a warning flag in their top bit: the document loads anyway.
bool IsWarning(const css::uno::Any& request) {
  css::task::ErrorCodeRequest error;
  return (request >>= error) && error.ErrCode < 0;
}

// A filter that asks for its options (Calc's web page import) is given the ones the load
// already has, as a user who leaves its dialog as it opens.
bool KeepFilterOptions(const css::uno::Reference<css::task::XInteractionRequest>& request) {
  css::document::FilterOptionsRequest options;
  if (!(request->getRequest() >>= options)) return false;
  const auto continuations = request->getContinuations();
  for (const auto& continuation : continuations) {
    css::uno::Reference<css::document::XInteractionFilterOptions> chosen(continuation,
                                                                         css::uno::UNO_QUERY);
    if (chosen.is()) {
      chosen->setFilterOptions(options.rProperties);
      chosen->select();
      return true;
    }
  }
  return false;
}

}  // namespace

void SAL_CALL
LoadInteraction::handle(const css::uno::Reference<css::task::XInteractionRequest>& request) {
  css::uno::Any what = request->getRequest();
  if (IsWarning(what) && Select<css::task::XInteractionApprove>(request)) return;
  if (KeepFilterOptions(request)) return;
  css::task::PasswordRequest password;
  Refuse((what >>= password) ? Reason::PasswordProtected : Reason::Unreadable,
         ToUtf8(what.getValueTypeName()));
  Select<css::task::XInteractionAbort>(request);
}

LoadInteraction::Reason LoadInteraction::Refusal() const {
  std::lock_guard lock(mutex_);
  return refusal_;
}

std::string LoadInteraction::RefusedRequest() const {
  std::lock_guard lock(mutex_);
  return refusedRequest_;
}

void LoadInteraction::Refuse(Reason reason, const std::string& request) {
  std::lock_guard lock(mutex_);
  if (refusal_ != Reason::PasswordProtected) refusal_ = reason;
  refusedRequest_ = request;
}

}  // namespace platform::hosts::uno
