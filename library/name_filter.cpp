#include "library/name_filter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QValidator>
#include <memory>

namespace {

// Keeps out whatever reaches the text past the key filter (text set by
// drag and drop or an input method): forbidden characters and names longer
// than the byte limit. A proposed name that already holds a forbidden
// character (a puzzle file named so on a system that allows it) can still
// be edited; the key filter keeps new ones out.
class NameValidator : public QValidator {
public:
    explicit NameValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int&) const override {
        if (HasForbiddenNameChar(input) && !HasForbiddenNameChar(edit_->text())) return Invalid;
        if (input.toLocal8Bit().size() > kMaxNameLength) return Invalid;
        return Acceptable;
    }

private:
    const QLineEdit* edit_;
};

}  // namespace

bool IsForbiddenNameChar(QChar c) {
    switch (c.unicode()) {
        case '<':
        case '>':
        case '"':
        case '\\':
        case '/':
        case '*':
        case '?':
        case ':':
        case '|': return true;
        default: return false;
    }
}

bool HasForbiddenNameChar(const QString& text) {
    for (QChar c : text)
        if (IsForbiddenNameChar(c)) return true;
    return false;
}

FileNameEdit::FileNameEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxNameLength);
    setValidator(new NameValidator(this));
    setAcceptDrops(false);
}

void FileNameEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) || HasForbiddenNameChar(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FileNameEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (HasForbiddenNameChar(event->commitString())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

// The edit's own menu, with its Paste entry turned into a refusal.
void FileNameEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The entry carries no object name; it is known by its (translated) text,
    // followed by a tab and the shortcut.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteText) continue;
        action->disconnect();
        connect(action, &QAction::triggered, this, [] { QApplication::beep(); });
    }
    menu->exec(event->globalPos());
}

// A middle click pastes the selection on systems that have one.
void FileNameEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
