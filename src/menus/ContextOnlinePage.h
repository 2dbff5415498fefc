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

    /// True when the reply is text that can be shown: UTF-8, or UTF-16LE after its mark,
    /// without control characters other than tab and line breaks. Empty counts as text.
    static bool isTextReply(const ByteBuffer& reply);

  protected:
    /// The title, the log with `introLines`, CANCEL and NEXT, in that order.
    ContextOnlinePage(StringId title, std::initializer_list<StringId> introLines);

    void addMessage(WideStringView message);
    void addMessage(StringId id);
    /// Adds every line of the reply as a message, empty lines included.
    void addReplyLines(const ByteBuffer& reply);
    /// A request for `path` on the game's web host, with the standard fields.
    static std::unique_ptr<HttpUploader> makeUploader(WideStringView path);
    /// The request's outcome, each only once: FAILED or DONE are set back to IDLE when read.
    /// The library's words for a failure go to the log.
    int takeOutcome();
    /// How a failure reads, all in the player's language: the HTTP status when one came, the
    /// hint to check the connection, then `closing`.
    void addFailureLines(StringId closing);
    /// How an upload screen reports an outcome: the failure lines, or the reply's lines with
    /// NEXT turned into an enabled FINISH. True when the upload is done; a reply that is not
    /// text is a failure.
    bool reportUpload(int outcome);

    MessageViewer* pViewer;
    MenuBackButton* pCancel;
    MenuButton* pNext;
    std::unique_ptr<HttpUploader> pUploader;
    bool bFinished = false;  ///< the upload is done and NEXT reads FINISH
};
