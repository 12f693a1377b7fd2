#include "toolkit/Object.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Read by the handler without capture: its own captures may be gone.
std::weak_ptr<std::string> watched;
std::string seenAfterReset;

}  // namespace

// A handler that clears its own event still has its captures until it returns.
TEST(ObjectTest, FiredHandlerThatClearsItsEventKeepsItsCaptures)
{
    TNotifyEvent event;
    auto state = std::make_shared<std::string>("captured");
    watched = state;
    event = [state, &event](TObject*) {
        event = nullptr;
        if (auto alive = watched.lock()) seenAfterReset = *alive;
    };
    state.reset();  // the closure holds the only reference
    seenAfterReset.clear();
    Fire(event, nullptr);
    EXPECT_FALSE(event);
    EXPECT_EQ(seenAfterReset, "captured");
    EXPECT_TRUE(watched.expired());  // released once the handler returned
}
