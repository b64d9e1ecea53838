#include "qorvexctl/base/Event.h"

#include <string>

#include <gtest/gtest.h>

namespace qorvexctl {

TEST(Event, CallsHandlersInConnectionOrderWithReferenceArguments) {
  Event<bool&> beforeClose;
  std::string order;
  beforeClose.connect([&](bool& cancel) {
    order += "a";
    cancel = true;
  });
  beforeClose.connect([&](bool& cancel) { order += cancel ? "B" : "b"; });
  bool cancel = false;
  beforeClose(cancel);
  EXPECT_EQ(order, "aB");
  EXPECT_TRUE(cancel);
}

TEST(Event, HandlerMayDisconnectItselfAndConnectOthersWhileRaised) {
  Event<> changed;
  int first = 0, late = 0;
  Connection self;
  self = changed.connect([&] {
    ++first;
    self.Disconnect();
    changed.connect([&] { ++late; });
  });
  changed();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(late, 0);
  changed();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(late, 1);
  EXPECT_FALSE(self.Connected());
}

TEST(Event, ScopedConnectionDisconnectsAndOutlivingConnectionsAreHarmless) {
  Connection dangling;
  int calls = 0;
  {
    Event<int> tick;
    {
      ScopedConnection scoped = tick.connect([&](int) { ++calls; });
      tick(1);
    }
    tick(2);
    dangling = tick.connect([](int) {});
    EXPECT_EQ(tick.HandlerCount(), 1u);
  }
  dangling.Disconnect();
  EXPECT_EQ(calls, 1);
}

}  // namespace qorvexctl
