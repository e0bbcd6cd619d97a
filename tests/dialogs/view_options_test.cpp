// The options dialog driven in-process: its controls after opening, the
// enabling rules, what OK, Apply, Set to default and Cancel do to the game,
// the colour chooser and the previews.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "settings/view_defaults.h"
#include "settings/view_options_dialog.h"
#include "support/modal_driver.h"
#include "support/recording_host.h"

// The pictures are in the static library's resources.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

bool SameView(const ViewOptions& a, const ViewOptions& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A look that differs from the defaults in every field.
ViewOptions OddView() {
    ViewOptions v;
    v.colorBack = 0x123456;
    v.colorInk = 0x00FF00;
    v.scale = 5;
    v.autoSize = 0;
    v.colorFigure = 0x0000FF;
    v.colorBorder = 0x00FFFF;
    v.shadow = 0;
    v.skinType = 0;
    v.skinIndex = 6;
    v.storePosition = 1;
    v.backType = 0;
    v.backIndex = 4;
    return v;
}

class ViewOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitResources();
        state = MakeGameState(&host);
        DefaultViewOptions(&state->view);
        CreateDrawingResources(state.get());
    }
    void TearDown() override { ReleaseDrawingResources(state.get()); }

    // Opens a fresh dialog (shown, not run modal) on the state as it is now.
    void Open() {
        dialog = std::make_unique<ViewOptionsDialog>(nullptr, state.get());
        dialog->show();
    }
    template <typename T>
    T* Find(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Click(const char* name) {
        QAbstractButton* b = Find<QAbstractButton>(name);
        ASSERT_TRUE(b->isEnabled()) << name;
        b->click();
    }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    std::uint32_t Swatch(const char* name) {
        return Find<QPushButton>(name)->property("colorref").toUInt();
    }
    // Pixels of the preview, as the player sees them.
    QImage Preview(const char* name) { return Find<QWidget>(name)->grab().toImage(); }

    RecordingHost host;
    std::unique_ptr<GameState> state;
    std::unique_ptr<ViewOptionsDialog> dialog;
};

int CountColour(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

TEST_F(ViewOptionsTest, OpensWithTheDefaultLook) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Options");
    EXPECT_TRUE(Find<QRadioButton>("piecesSkin")->isChecked());
    EXPECT_EQ(Find<QListWidget>("skinList")->currentItem()->text(), "2. Wood ashen");
    EXPECT_FALSE(Enabled("figureColour"));
    EXPECT_FALSE(Enabled("borderColour"));
    EXPECT_FALSE(Enabled("borderLabel"));
    EXPECT_TRUE(Find<QRadioButton>("backPattern")->isChecked());
    EXPECT_EQ(Find<QListWidget>("patternList")->currentItem()->text(), "2. Checkers");
    EXPECT_FALSE(Enabled("backColour"));
    EXPECT_TRUE(Find<QRadioButton>("storeLeft")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("autoSize")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("shadow")->isChecked());
    EXPECT_EQ(Find<QComboBox>("scaleCombo")->currentText(), "8");
    EXPECT_FALSE(Enabled("scaleCombo"));
    EXPECT_TRUE(Enabled("inkColour"));
    EXPECT_EQ(Swatch("figureColour"), 0xFF8000u);
    EXPECT_EQ(Swatch("inkColour"), 0x969696u);

    // The lists hold the names in the order of their indices.
    auto* skins = Find<QListWidget>("skinList");
    ASSERT_EQ(skins->count(), 7);
    EXPECT_EQ(skins->item(0)->text(), "1. Plastic");
    EXPECT_EQ(skins->item(5)->text(), "6. Tiles");
    EXPECT_EQ(skins->item(6)->text(), "6. Light");
    auto* patterns = Find<QListWidget>("patternList");
    ASSERT_EQ(patterns->count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(patterns->item(i)->text().startsWith(QString::number(i + 1) + ".")) << i;
    EXPECT_EQ(Find<QComboBox>("scaleCombo")->count(), 5);
}

TEST_F(ViewOptionsTest, ShowsAndReadsBackEveryField) {
    state->view = OddView();
    Open();
    ViewOptions read;
    std::memset(&read, 0x5A, sizeof read);
    dialog->ReadViewOptions(&read);
    EXPECT_TRUE(SameView(read, OddView()));
    EXPECT_TRUE(Enabled("figureColour"));
    EXPECT_FALSE(Enabled("skinList"));
    EXPECT_TRUE(Enabled("backColour"));
    EXPECT_FALSE(Enabled("patternList"));
    EXPECT_TRUE(Enabled("scaleCombo"));
}

TEST_F(ViewOptionsTest, EnablingRulesFollowTheRadioButtonsAndAuto) {
    Open();
    Click("piecesSolid");
    EXPECT_TRUE(Enabled("figureColour"));
    EXPECT_TRUE(Enabled("borderColour"));
    EXPECT_TRUE(Enabled("borderLabel"));
    EXPECT_FALSE(Enabled("skinList"));
    Click("backSolid");
    EXPECT_TRUE(Enabled("backColour"));
    EXPECT_FALSE(Enabled("patternList"));
    Click("autoSize");
    EXPECT_TRUE(Enabled("scaleCombo"));
    // Always enabled, whatever the choices.
    EXPECT_TRUE(Enabled("inkColour"));
    EXPECT_TRUE(Enabled("storeRight"));
    EXPECT_TRUE(Enabled("shadow"));

    Click("piecesSkin");
    Click("backPattern");
    Click("autoSize");
    EXPECT_FALSE(Enabled("figureColour"));
    EXPECT_FALSE(Enabled("borderLabel"));
    EXPECT_TRUE(Enabled("skinList"));
    EXPECT_FALSE(Enabled("backColour"));
    EXPECT_TRUE(Enabled("patternList"));
    EXPECT_FALSE(Enabled("scaleCombo"));
    // Nothing reached the game.
    ViewOptions defaults;
    DefaultViewOptions(&defaults);
    EXPECT_TRUE(SameView(state->view, defaults));
}

TEST_F(ViewOptionsTest, SetToDefaultThenCancelChangesNothing) {
    state->view = OddView();
    Open();
    Click("defaultButton");
    ViewOptions shown;
    dialog->ReadViewOptions(&shown);
    ViewOptions defaults;
    DefaultViewOptions(&defaults);
    EXPECT_TRUE(SameView(shown, defaults));
    EXPECT_FALSE(Enabled("figureColour"));
    EXPECT_FALSE(Enabled("scaleCombo"));
    EXPECT_TRUE(SameView(state->view, OddView()));

    Click("cancelButton");
    EXPECT_EQ(dialog->result(), 2);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(SameView(state->view, OddView()));
    EXPECT_EQ(host.layouts, 0);
    EXPECT_TRUE(host.Only("invalidate").empty());
}

TEST_F(ViewOptionsTest, SetToDefaultThenOkAppliesTheDefaults) {
    state->view = OddView();
    Open();
    Click("defaultButton");
    Click("okButton");
    EXPECT_EQ(dialog->result(), 1);
    ViewOptions defaults;
    DefaultViewOptions(&defaults);
    EXPECT_TRUE(SameView(state->view, defaults));
    EXPECT_EQ(host.layouts, 1);
    EXPECT_EQ(host.Only("invalidate"), std::vector<std::string>{"invalidate"});
    // The skin was loaded and the background brush rebuilt for the new look.
    EXPECT_FALSE(state->drawing->texture.isNull());
    EXPECT_EQ(state->drawing->backgroundBrush.style(), Qt::TexturePattern);
}

TEST_F(ViewOptionsTest, ApplyKeepsTheDialogOpenAndSurvivesCancel) {
    Open();
    Click("storeRight");
    Click("backSolid");
    Click("applyButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(state->view.storePosition, 1);
    EXPECT_EQ(state->view.backType, 0);
    EXPECT_EQ(state->drawing->backgroundBrush.style(), Qt::SolidPattern);
    EXPECT_EQ(host.layouts, 1);

    Click("storeLeft");
    Click("shadow");
    Click("cancelButton");
    EXPECT_EQ(state->view.storePosition, 1);
    EXPECT_EQ(state->view.shadow, 1);
    EXPECT_EQ(state->view.backType, 0);
    EXPECT_EQ(host.layouts, 1);
}

TEST_F(ViewOptionsTest, FixedScaleIsTheComboPositionPlusFour) {
    Open();
    Click("autoSize");
    Find<QComboBox>("scaleCombo")->setCurrentIndex(1);
    Click("okButton");
    EXPECT_EQ(state->view.autoSize, 0);
    EXPECT_EQ(state->view.scale, 5);
}

TEST_F(ViewOptionsTest, EscapeActsAsCancel) {
    Open();
    dialog->hide();
    Click("storeRight");
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(dialog->exec(), 2);
    EXPECT_EQ(state->view.storePosition, 0);
}

TEST_F(ViewOptionsTest, CancelledColourChooserChangesNothing) {
    Open();
    Click("piecesSolid");
    const QImage before = Preview("piecesPreview");
    bool seen = false;
    WhenModal([&](QWidget* w) {
        seen = qobject_cast<QColorDialog*>(w) != nullptr;
        if (auto* chooser = qobject_cast<QColorDialog*>(w))
            chooser->setCurrentColor(QColor(1, 2, 3));
        static_cast<QDialog*>(w)->reject();
    });
    Click("figureColour");
    EXPECT_TRUE(seen);
    EXPECT_EQ(Swatch("figureColour"), 0xFF8000u);
    EXPECT_EQ(Preview("piecesPreview"), before);
    Click("okButton");
    EXPECT_EQ(state->view.colorFigure, 0xFF8000);
}

TEST_F(ViewOptionsTest, ChosenColourGoesToTheSwatchAndTheGameAtOk) {
    Open();
    WhenModal([](QWidget* w) {
        auto* chooser = qobject_cast<QColorDialog*>(w);
        if (chooser) chooser->setCurrentColor(QColor(10, 20, 30));
        static_cast<QDialog*>(w)->accept();
    });
    Click("inkColour");
    EXPECT_EQ(Swatch("inkColour"), 0x1E140Au);  // 0x00BBGGRR
    EXPECT_EQ(state->view.colorInk, 0x969696);
    Click("okButton");
    EXPECT_EQ(state->view.colorInk, 0x1E140A);
}

TEST_F(ViewOptionsTest, CustomColoursAreSetAfreshAtEachOpening) {
    Open();
    std::vector<QColor> offered;
    WhenModal([&](QWidget* w) {
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            offered.push_back(QColorDialog::customColor(i));
        QColorDialog::setCustomColor(0, Qt::black);  // the player edits one
        static_cast<QDialog*>(w)->reject();
    });
    Click("inkColour");
    ASSERT_EQ(offered.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(offered[CustomColourSlot(i)], ColorFromRef(kCustomColours[i])) << i;
    // The chooser counts its wells down each column of its two rows: the
    // top row holds the first eight colours, from red to azure.
    EXPECT_EQ(offered[0], QColor(255, 0, 0));     // 0x0000FF is red
    EXPECT_EQ(offered[2], QColor(255, 128, 0));   // orange beside it
    EXPECT_EQ(offered[12], QColor(0, 255, 255));  // 0xFFFF00 is cyan
    EXPECT_EQ(offered[1], QColor(0, 0, 255));     // blue starts the bottom row
    EXPECT_EQ(offered[15], QColor(200, 200, 200));

    QColor first;
    WhenModal([&](QWidget* w) {
        first = QColorDialog::customColor(0);
        static_cast<QDialog*>(w)->reject();
    });
    Click("inkColour");
    EXPECT_EQ(first, QColor(255, 0, 0));
}

TEST_F(ViewOptionsTest, PreviewsFollowTheControlsNotTheGame) {
    Open();
    const QImage skinned = Preview("piecesPreview");
    const QColor fill = ColorFromRef(0xFF8000);
    EXPECT_EQ(CountColour(skinned, fill), 0);

    Click("piecesSolid");
    const QImage solid = Preview("piecesPreview");
    // The assembled square is 80 x 80 pixels; most of it is fill, the rest
    // the 2-pixel borders.
    EXPECT_GT(CountColour(solid, fill), 3000);
    EXPECT_GT(CountColour(solid, ColorFromRef(0x804000)), 300);

    // Another skin redraws the preview at once.
    Click("piecesSkin");
    Find<QListWidget>("skinList")->setCurrentRow(4);
    EXPECT_NE(Preview("piecesPreview"), skinned);
    EXPECT_EQ(state->view.skinIndex, 1);

    // The background preview: the pattern, then the solid colour.
    const QImage pattern = Preview("backgroundPreview");
    Click("backSolid");
    const QImage white = Preview("backgroundPreview");
    EXPECT_EQ(CountColour(white, Qt::white), white.width() * white.height());
    EXPECT_NE(pattern, white);
    EXPECT_EQ(state->view.backType, 1);
}

// A Qt list can be emptied by Ctrl+click or Ctrl+Space; the lists keep their
// entry, so OK never hands the game an index of -1.
TEST_F(ViewOptionsTest, ListsCannotBeLeftWithoutASelection) {
    Open();
    auto* skins = Find<QListWidget>("skinList");
    QTest::mouseClick(skins->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      skins->visualItemRect(skins->item(1)).center());
    auto* patterns = Find<QListWidget>("patternList");
    patterns->setFocus();
    QTest::keyClick(patterns->viewport(), Qt::Key_Space, Qt::ControlModifier);
    Click("okButton");
    EXPECT_EQ(state->view.skinIndex, 1);
    EXPECT_EQ(state->view.backIndex, 1);
}

TEST_F(ViewOptionsTest, TabOrderFollowsTheTemplate) {
    Open();
    const char* const order[] = {"figureColour", "borderColour", "skinList",    "backColour",
                                 "patternList",  "autoSize",     "scaleCombo",  "inkColour",
                                 "shadow",       "okButton",     "applyButton", "defaultButton",
                                 "helpButton",   "cancelButton"};
    std::vector<QString> seen;
    QWidget* w = Find<QWidget>("figureColour");
    for (int i = 0; i < 40 && seen.size() < std::size(order); ++i) {
        if (w->focusPolicy() & Qt::TabFocus) {
            const QString name = w->objectName();
            for (const char* n : order)
                if (name == n) seen.push_back(name);
        }
        w = w->nextInFocusChain();
    }
    ASSERT_EQ(seen.size(), std::size(order));
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], order[i]);
}

}  // namespace
