#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Callback.h"
#include "runtime/Component.h"
#include "runtime/MessageText.h"

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterAFullStop) {
  EXPECT_EQ(WithClosingFullStop("Invalid data type for 'VelURL'"), "Invalid data type for 'VelURL'");
  EXPECT_EQ(WithClosingFullStop("Access denied"), "Access denied.");
  EXPECT_EQ(WithClosingFullStop("Done."), "Done.");
  EXPECT_EQ(WithClosingFullStop("Error 5"), "Error 5.");
  EXPECT_EQ(WithClosingFullStop("Failed!"), "Failed!");
  EXPECT_EQ(WithClosingFullStop(""), "");
}

namespace {
std::vector<std::string> destroyed;

class Named : public TComponent {
 public:
  Named(TComponent* owner, std::string name) : TComponent(owner), name_(std::move(name)) {}
  ~Named() override { destroyed.push_back(name_); }
  TComponent* watched = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove && component == watched) watched = nullptr;
  }

 private:
  std::string name_;
};
}  // namespace

TEST(Components, OwnerDestroysItsComponentsNewestFirst) {
  destroyed.clear();
  auto* owner = new Named(nullptr, "owner");
  new Named(owner, "first");
  new Named(owner, "second");
  EXPECT_EQ(owner->ComponentCount(), 2);
  delete owner;
  EXPECT_EQ(destroyed, (std::vector<std::string>{"owner", "second", "first"}));
}

TEST(Components, RemovalNoticeClearsAReferenceBeforeItDangles) {
  Named owner(nullptr, "owner");
  auto* control = new Named(&owner, "control");
  auto* plugin = new Named(&owner, "plugin");
  control->watched = plugin;
  control->FreeNotification(plugin);
  delete plugin;
  EXPECT_EQ(control->watched, nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Components, NoticeWorksBothWaysAndCanBeWithdrawn) {
  Named owner(nullptr, "owner");
  auto* a = new Named(&owner, "a");
  auto* b = new Named(&owner, "b");
  auto* c = new Named(&owner, "c");
  b->watched = a;
  a->FreeNotification(b);  // asked by a, heard by b as well
  c->watched = a;
  c->FreeNotification(a);
  c->RemoveFreeNotification(a);
  delete a;
  EXPECT_EQ(b->watched, nullptr);
  EXPECT_NE(c->watched, nullptr);
}

TEST(Callback, AHandlerCallsItsLambdaWithItsCapturesAndAnEmptyOneSaysSo) {
  Callback<int(int)> handler;
  EXPECT_FALSE(handler);
  EXPECT_TRUE(handler == nullptr);
  int calls = 0;
  const int base = 40;
  handler = [&calls, base](int step) { return base + step + ++calls; };
  ASSERT_TRUE(handler);
  const Callback<int(int)> copy = handler;  // a copy calls the same captures
  EXPECT_EQ(handler(1), 42);
  EXPECT_EQ(copy(1), 43);
  EXPECT_EQ(calls, 2);
  handler = nullptr;
  EXPECT_FALSE(handler);
}
