#pragma once
// Components own the components created with them as owner and destroy them, newest
// first, when they are destroyed. A component that keeps a plain reference to another
// asks for a removal notice so that it can drop the reference before it dangles.
#include <vector>
#include "runtime/Callback.h"

#include "runtime/NonCopyable.h"

enum class TOperation { opInsert, opRemove };

class TComponent : NonCopyable {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();

  int ComponentCount() const { return static_cast<int>(components_.size()); }

  // From now on, each of the two hears through Notification when the other is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Forget(TComponent* component);

  TComponent* owner_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> noticeTakers_;
};

// An event that only names the component it comes from.
using TNotifyEvent = Callback<void(TComponent* sender)>;
