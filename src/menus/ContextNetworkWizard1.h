#pragma once
#include <cstdint>
#include <optional>
#include "core/ByteBuffer.h"
#include "core/NetAddress.h"
#include "menus/ContextOnlinePage.h"

class MenuCheckBox;

/// The first step of the network wizard: tests the connection with one request to the web
/// host's network-test page, which answers with a checksummed frame of settings (the master
/// server's address, a message for the player) or plain text. A full-screen game may run
/// the test in a window, which is never taken for the player's choice; it returns to full
/// screen when the wizard is left. NEXT then leads to the network configuration.
class ContextNetworkWizard1 : public ContextOnlinePage {
  public:
    /// What the test page said, as far as it could be read.
    struct TestReply {
        bool bReadable = false;
        std::optional<NetAddress> masterServer; // from a frame with a valid "masterServer"
        std::optional<WideString> text;         // to show the player, as `replyText` makes it
        const char16_t* problem = u"";          // the log line when not readable
    };

    static constexpr uint32_t FRAME_MAGIC = 0x01020304;
    static constexpr std::size_t FRAME_HEADER = 24; // magic, payload length, MD5 of the payload

    ContextNetworkWizard1();
    /// Returns a game it took out of full screen there, without applying the configuration.
    ~ContextNetworkWizard1() override;

    void tickContents(double t, double dt) override;
    void onDeactivate(bool removed) override;

    /// True when each of the first (up to) four bytes lies in 32..127; so empty counts too.
    static bool isPrintableReply(const ByteBuffer& reply);
    /// The payload of a well-formed frame, or nothing.
    static std::optional<ByteBuffer> unframeReply(const ByteBuffer& reply);
    /// "a.b.c.d:port" with four octets 0..255 and a port 1..65535, in decimal digits only;
    /// never a name, so nothing is looked up.
    static std::optional<NetAddress> parseMasterServer(WideStringView text);
    static TestReply readTestReply(const ByteBuffer& reply);

  private:
    void startTest();
    void reportTest(int outcome);
    /// The display in a window for the test; the player's choice stays full screen.
    void switchToWindow();
    /// Puts the game back into full screen once, when the wizard took it out.
    void restoreFullScreen(bool bApply);

    MenuButton* pHelp;
    MenuCheckBox* pCheckBox;
    bool runOnDesktop;
    bool bSwitchedToWindow = false;
};
