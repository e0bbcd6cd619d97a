#include "app/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const char kHelpFolder[] = "Help";
const char kMapFile[] = "Polyshard.map";

// The help window: a browser with back, forward and contents buttons.
// Links to web addresses open in the desktop's browser.
class HelpWindow : public QWidget {
public:
    HelpWindow() {
        setObjectName("helpWindow");
        setWindowTitle("Polyshard Help");
        // Wide enough for the contents column (190 pixels) beside the
        // board pictures (860), so that the text wraps in the window; never
        // larger than the screen.
        QSize size(1110, 720);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            size = size.boundedTo(screen->availableGeometry().size());
        resize(size);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("helpBrowser");
        browser_->setOpenExternalLinks(true);
        auto* back = Button("Back", [this] { browser_->backward(); });
        auto* forward = Button("Forward", [this] { browser_->forward(); });
        auto* contents = Button("Contents", [this] { Show(0); });
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
        back->setEnabled(false);
        forward->setEnabled(false);
        auto* bar = new QHBoxLayout;
        bar->addWidget(back);
        bar->addWidget(forward);
        bar->addWidget(contents);
        bar->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addLayout(bar);
        layout->addWidget(browser_);
        // Escape closes the help, as it closes a dialog.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape->setContext(Qt::WidgetWithChildrenShortcut);
        connect(escape, &QShortcut::activated, this, &QWidget::close);
    }

    void Show(int mapId) {
        const QString page = HelpPageForMapId(mapId);
        const QString path = QDir::current().filePath(QString(kHelpFolder) + "/" + page);
        if (page.isEmpty() || !QFileInfo::exists(path)) {
            browser_->setHtml(
                "<h2>Help is not available</h2><p>The help pages were not found in the "
                "folder <code>Help</code> of the game folder.</p>");
            return;
        }
        browser_->setSource(QUrl::fromLocalFile(path));
    }

private:
    template <typename F>
    QToolButton* Button(const char* text, F action) {
        auto* b = new QToolButton(this);
        b->setText(text);
        connect(b, &QToolButton::clicked, this, action);
        return b;
    }

    QTextBrowser* browser_;
};

QPointer<HelpWindow> helpWindow;

}  // namespace

QString HelpPageForMapId(int mapId) {
    QFile map(QDir::current().filePath(QString(kHelpFolder) + "/" + kMapFile));
    if (!map.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&map);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().trimmed().split(' ', Qt::SkipEmptyParts);
        bool ok = false;
        if (parts.size() == 2 && parts[0].toInt(&ok) == mapId && ok) return parts[1];
    }
    return {};
}

QWidget* OpenHelp(int mapId) {
    if (!helpWindow) {
        helpWindow = new HelpWindow;
        helpWindow->setAttribute(Qt::WA_DeleteOnClose);
        // The help stands beside the game like a separate viewer: closing the
        // game window ends the program even while the help is open.
        helpWindow->setAttribute(Qt::WA_QuitOnClose, false);
    }
    helpWindow->Show(mapId);
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
    return helpWindow;
}
