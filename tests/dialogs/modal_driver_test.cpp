// The driver that the dialog tests run their modal dialogs with: it acts on
// the dialog that opens, closes what an action left open, and leaves alone
// dialogs opened after its own one has closed.
#include "support/modal_driver.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>

namespace {

TEST(ModalDriver, ActsOnTheDialogThatOpens) {
    QDialog dialog;
    ModalDriver driver([](QDialog* d) { d->done(7); });
    EXPECT_EQ(dialog.exec(), 7);
    EXPECT_TRUE(driver.acted());
    EXPECT_FALSE(driver.timedOut());
}

TEST(ModalDriver, ClosesWhatTheActionLeftOpen) {
    QDialog dialog;
    QWidget* seen = nullptr;
    ModalDriver driver([&](QWidget* w) { seen = w; });  // forgets to close it
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(seen, &dialog);
    EXPECT_TRUE(driver.timedOut());
}

TEST(ModalDriver, ClosesANestedBoxAndItsDialog) {
    QDialog dialog;
    ModalDriver driver([](QDialog* d) {
        QMessageBox box(QMessageBox::NoIcon, "t", "left open", QMessageBox::Ok, d);
        box.exec();
    });
    dialog.exec();
    EXPECT_TRUE(driver.timedOut());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(WhenModal, StopsOnceItsDialogHasClosed) {
    QDialog first;
    WhenModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    EXPECT_EQ(first.exec(), QDialog::Accepted);
    // A dialog opened right after is not touched by the finished driver.
    QDialog second;
    ModalDriver driver([](QDialog* d) { d->done(5); });
    EXPECT_EQ(second.exec(), 5);
    EXPECT_TRUE(driver.acted());
}

TEST(WhenModal, SkipsTheDialogToIgnore) {
    QDialog outer;
    QString acted;
    QTimer::singleShot(0, [&] {
        WhenModal([&](QWidget* w) { acted = w->windowTitle(), w->close(); }, &outer);
        QMessageBox box(QMessageBox::NoIcon, "inner", "text", QMessageBox::Ok, &outer);
        box.exec();
        outer.accept();
    });
    ModalDriver watchdog([](QWidget*) {});
    outer.exec();
    EXPECT_EQ(acted, "inner");
}

}  // namespace
