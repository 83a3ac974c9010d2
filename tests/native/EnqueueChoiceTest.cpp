// Which message adds an address to the playlist: the wide enqueue only where the code
// page cannot carry the address and the player knows the message.
#include <gtest/gtest.h>

#include "player/PlayerCommands.h"

TEST(EnqueueChoice, AnAddressOutsideTheCodePageGoesWideToAPlayerFromFivePointZeroOn) {
  EXPECT_EQ(ChooseEnqueue(0x5000, false), EnqueueBy::WideEnqueue);
  EXPECT_EQ(ChooseEnqueue(0x5666, false), EnqueueBy::WideEnqueue);
}

TEST(EnqueueChoice, AnOlderOrSilentPlayerGetsTheCopyDataMessageWhateverTheAddress) {
  EXPECT_EQ(ChooseEnqueue(0x4FFF, false), EnqueueBy::CopyData);
  EXPECT_EQ(ChooseEnqueue(0x2091, false), EnqueueBy::CopyData);
  EXPECT_EQ(ChooseEnqueue(0, false), EnqueueBy::CopyData) << "no player window answers 0";
}

TEST(EnqueueChoice, AnAddressInTheCodePageKeepsTheCopyDataMessageEvenOnANewPlayer) {
  EXPECT_EQ(ChooseEnqueue(0x5666, true), EnqueueBy::CopyData);
  EXPECT_EQ(ChooseEnqueue(0, true), EnqueueBy::CopyData);
}
