// The game window in a fresh game folder, driven through the real board
// widget with real mouse and key events.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/sound_player.h"
#include "model/board.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "settings/sound_events.h"
#include "support/temp_dir.h"

// Records the commands the window carries out, then runs them.
class TestWindow : public MainWindow {
public:
    explicit TestWindow(GameState* state, std::vector<std::string>* log)
        : MainWindow(state), log_(log) {}
    void SendCommand(int command) override {
        log_->push_back("command " + std::to_string(command));
        if (runCommands) MainWindow::SendCommand(command);
    }
    // Off: commands are only logged (for tests of the key routing, so that
    // help viewers and dialogs stay closed).
    bool runCommands = true;

private:
    std::vector<std::string>* log_;
};

// Closes every modal widget that opens while it lives (message boxes with
// their default button, dialogs with Cancel), logging "message <text>" or
// "dialog <title>" first, so that no test can hang on one.
class ModalCloser {
public:
    explicit ModalCloser(std::vector<std::string>* log) {
        QObject::connect(&timer_, &QTimer::timeout, [log] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                log->push_back("message " + box->text().toStdString());
                box->done(box->defaultButton() ? box->standardButton(box->defaultButton())
                                               : QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
                log->push_back("dialog " + dialog->windowTitle().toStdString());
                dialog->reject();
            } else {
                w->close();
            }
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

class AppTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        // Real (tiny) sound files, so that the player's choice can be seen.
        QDir().mkdir(QStringLiteral("Sound"));
        for (int i = 0; i < kSoundCount; ++i) {
            QFile f(QStringLiteral("Sound/%1.wav").arg(kSoundNames[i]));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(SoundPlayer::MakeDefaultSound());
        }
        state_ = std::make_unique<GameState>();
        std::snprintf(state_->title, sizeof state_->title, "Polyshard");
    }
    void TearDown() override {
        window_.reset();
        TempDirTest::TearDown();
    }

    // Starts the window (the whole start-up sequence) and shows it.
    void Start() {
        window_ = std::make_unique<TestWindow>(state_.get(), &log_);
        window_->sound().SetListener(
            [this](const QString& file) { log_.push_back("sound " + SoundName(file)); });
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        QApplication::processEvents();
    }

    // "take" for ".\Sound\take.wav".
    static std::string SoundName(const QString& file) {
        QString name = file.section(QLatin1Char('\\'), -1).section(QLatin1Char('/'), -1);
        name.chop(4);
        return name.toStdString();
    }

    BoardWidget* board() const { return window_->board(); }
    int scale() const { return state_->view.scale; }
    int half() const { return state_->view.scale / 2; }

    // A client point whose rounded position addresses cell (col, row) of the
    // grid of a rectangle (store or field).
    QPoint CellPoint(const Rect& r, int col, int row) const {
        return QPoint(r.left + (col + 1) * scale() + 1 - half(),
                      r.top + (row + 1) * scale() + 1 - half());
    }
    // A point on a full cell of store slot i's piece.
    QPoint StorePiecePoint(int i) const {
        const PieceSlot& slot = state_->storeSlots[i];
        const PieceMask& mask = state_->pieceMasks[TableIndex(slot.piece, slot.orientation)];
        for (int r = 0; r < kMaskSize; ++r)
            for (int c = 0; c < kMaskSize; ++c)
                if (IsFullCell(mask[r][c]))
                    return CellPoint(StoreRect(state_.get()), slot.col + c, slot.row + r);
        return {};
    }
    // The click that drops the carried piece at field cell (col, row).
    QPoint DropPoint(int col, int row) const {
        const Rect f = FieldRect(state_.get());
        return QPoint(f.left + (col + 1) * scale() + 1 + state_->grabOffsetX - half(),
                      f.top + (row + 1) * scale() + 1 + state_->grabOffsetY - half());
    }

    void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(board(), button, Qt::NoModifier, p);
        QApplication::processEvents();
    }
    void Move(QPoint p) {
        QTest::mouseMove(board(), p);
        QApplication::processEvents();
    }

    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : log_)
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }

    std::unique_ptr<GameState> state_;
    std::unique_ptr<TestWindow> window_;
    std::vector<std::string> log_;
};
