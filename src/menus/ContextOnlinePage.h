#pragma once
#include <initializer_list>
#include <memory>
#include "core/HttpUploader.h"
#include "core/StringKeys.h"
#include "menus/ContextMenu.h"

class ByteBuffer;
class MenuBackButton;
class MenuButton;
class MessageViewer;

/// The frame shared by the screens that talk to the game's web host: a title, a message log,
/// CANCEL in the lower left and NEXT in the lower right, and at most one request at a time.
/// The request's uploader dies with the screen; a request still running is stopped.
class ContextOnlinePage : public ContextMenu {
  public:
    ~ContextOnlinePage() override;

    /// The reply's text as the player sees it: decoded as `ByteBuffer::toWideString` decodes,
    /// each line (as `splitLines` splits) as `shownText` shows it, the line breaks kept.
    static WideString replyText(const ByteBuffer& reply);
    /// A server's text made safe to draw: a control character (where the fonts keep their
    /// icons) becomes U+FFFD, a tab a blank.
    static WideString shownText(WideStringView text);

  protected:
    /// The title, the log with `introLines`, CANCEL and NEXT, in that order.
    ContextOnlinePage(StringId title, std::initializer_list<StringId> introLines);

    void addMessage(WideStringView message);
    void addMessage(StringId id);
    /// Adds the lines of a reply's text (`replyText`) as messages, empty lines included, as
    /// the characters the server sent: the viewer's markup is not read in them.
    void addReplyText(WideStringView text);
    /// A request for `path` on the game's web host, with the standard fields.
    static std::unique_ptr<HttpUploader> makeUploader(WideStringView path);
    /// The request's outcome, each only once: FAILED or DONE are set back to IDLE when read.
    /// The library's words for a failure go to the log.
    int takeOutcome();
    /// How a failure reads, all in the player's language: the HTTP status when one came, the
    /// hint to check the connection, then `closing`.
    void addFailureLines(StringId closing);
    /// How an upload screen reports an outcome: the failure lines, or the reply's lines with
    /// NEXT turned into an enabled FINISH. True when the upload is done, which any reply with
    /// status 200 is, whatever its bytes.
    bool reportUpload(int outcome);

    MessageViewer* pViewer;
    MenuBackButton* pCancel;
    MenuButton* pNext;
    std::unique_ptr<HttpUploader> pUploader;
    bool bFinished = false;  ///< the upload is done and NEXT reads FINISH
};
