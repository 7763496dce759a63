#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceServer.h"

#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

namespace quorvex::platform {
namespace {

using namespace std::chrono_literals;

// Sends from another thread while this one runs the server's event loop,
// as a second process would.
CommandDelivery sendWhileServing(const std::string& socketPath, const std::string& word,
                                 std::chrono::milliseconds patience = 2000ms)
{
    auto delivery = std::async(std::launch::async, [&] { return sendInstanceCommand(socketPath, word, patience); });
    while (delivery.wait_for(5ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    // The command runs after the answer, from the event loop.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 50)
        QCoreApplication::processEvents();
    return delivery.get();
}

TEST(InstanceChannelTest, KnownWordsAreAnsweredThenRunUnknownOnesRefused)
{
    testsupport::TempFolder folder;
    const std::string socketPath = (folder.path() / "launcher.socket").string();
    InstanceServer server(socketPath);
    std::vector<std::string> ran;
    std::string error;
    ASSERT_TRUE(server.listen(
        [&ran](const std::string& word) -> std::function<void()> {
            if (word != "raise" && word != "quit")
                return {};
            return [&ran, word] { ran.push_back(word); };
        },
        &error))
        << error;

    EXPECT_EQ(sendWhileServing(socketPath, "raise"), CommandDelivery::Taken);
    EXPECT_EQ(sendWhileServing(socketPath, "dance"), CommandDelivery::Refused);
    EXPECT_EQ(sendWhileServing(socketPath, std::string(500, 'x')), CommandDelivery::Refused);
    EXPECT_EQ(sendWhileServing(socketPath, "quit"), CommandDelivery::Taken);
    EXPECT_EQ(ran, (std::vector<std::string>{"raise", "quit"}));

    server.close();
    EXPECT_EQ(sendWhileServing(socketPath, "raise", 300ms), CommandDelivery::NoAnswer);
}

TEST(InstanceChannelTest, ASocketLeftBehindIsReplaced)
{
    testsupport::TempFolder folder;
    const std::string socketPath = (folder.path() / "launcher.socket").string();
    folder.write("launcher.socket", "left by a launcher that was killed");
    InstanceServer server(socketPath);
    std::string error;
    ASSERT_TRUE(server.listen([](const std::string&) { return [] {}; }, &error)) << error;
    EXPECT_EQ(sendWhileServing(socketPath, "raise"), CommandDelivery::Taken);
}

} // namespace
} // namespace quorvex::platform
