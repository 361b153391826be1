#pragma once
// Answers the questions the office asks while it loads a document, as an unattended
// application must: never a password, never a repair; warnings are let pass, and a filter's
// options stay as the load gives them. A load that
// fails returns no document and no exception, so what was asked is kept to tell why.
//
// The office calls it on a thread of the connection while the loading call waits.

#include <mutex>
#include <string>

#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

namespace platform::hosts::uno {

class LoadInteraction : public cppu::WeakImplHelper1<com::sun::star::task::XInteractionHandler> {
 public:
  enum class Reason { None, PasswordProtected, Unreadable };

  void SAL_CALL
  handle(const com::sun::star::uno::Reference<com::sun::star::task::XInteractionRequest>& request)
      override;

  // The most telling reason asked about: a password beats a read error (the office reports
  // both for a protected file).
  Reason Refusal() const;
  // The type of the last request that was refused ("com.sun.star.ucb.InteractiveIOException").
  std::string RefusedRequest() const;

 private:
  void Refuse(Reason reason, const std::string& request);

  mutable std::mutex mutex_;
  Reason refusal_ = Reason::None;
  std::string refusedRequest_;
};

}  // namespace platform::hosts::uno
