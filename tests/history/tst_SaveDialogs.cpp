#include "history/ConfirmDeleteDialog.h"
#include "history/ConfirmSaveDialog.h"
#include "history/PostSaveDialog.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/ModalDialogAnswerer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class tst_SaveDialogs : public QObject
{
    Q_OBJECT

    KestrelPreferences preferences_;
    QStringList opened_;

public slots:
    void open(const QUrl &url) { opened_ << url.toLocalFile(); }

private slots:
    void initTestCase()
    {
        QVERIFY(preferences_.initialize());
        QDesktopServices::setUrlHandler("file", this, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
    void cleanup() { ModalDialogAnswerer::disarmAll(); }

    // Each button's answer and what it opens; "Skip" switches off only the dialog of its
    // own mode, and a switched-off dialog does not run (a delete is then confirmed).
    void askWithSkip_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("opened");
        const QString none;
        // clang-format off
        row("delete one, yes", "delete", 0, QString("Yes(&Y)"), false, 1, none);
        row("delete one, save first, skip", "delete", 0, QString("Discard after save"), true, 0, none);
        row("delete one, no", "delete", 0, QString("No(&N)"), false, 2, none);
        row("delete one, closed, skip", "delete", 0, none, true, 3, none);
        row("delete selected, yes, skip", "delete", 1, QString("Yes(&Y)"), true, 1, none);
        row("delete all, no", "delete", 2, QString("No(&N)"), false, 2, none);
        row("saved one, open image", "saved", 0, QString("Open Image(&V)"), false, 0, QString("/p/shot.png"));
        row("saved one, open folder, skip", "saved", 0, QString("Open Folder(&O)"), true, 1, QString("/p"));
        row("saved several, close, skip", "saved", 2, QString("Close"), true, 2, none);
        row("saved several, closed", "saved", 2, none, false, 3, none);
        row("saved several, open folder", "saved", 2, QString("Open Folder(&O)"), false, 1, QString("/p"));
        // clang-format on
    }

    void askWithSkip()
    {
        QFETCH(QString, dialog);
        QFETCH(int, mode);
        QFETCH(QString, button);
        QFETCH(bool, skip);
        QFETCH(int, answer);
        QFETCH(QString, opened);
        const bool deleting = dialog == "delete";
        using P = KestrelPreferences;
        const int keys[2][2] = {{P::ShowPostSaveDlg, P::ShowPostSaveAllDlg},
                                {P::NotifyDeleteHistory, P::NotifyDeleteAllHistory}};
        const int own = keys[deleting][mode > 0], other = keys[deleting][mode == 0];
        preferences_.setBool(own, true);
        preferences_.setBool(other, true);
        opened_.clear();
        const auto run = [&] {
            return deleting
                    ? ConfirmDeleteDialog::confirm(preferences_, ConfirmDeleteDialog::Mode(mode))
                    : PostSaveDialog::present(preferences_, mode, "/p/shot.png", 3);
        };
        const auto seen = ModalDialogAnswerer::tickAndClick(skip, button);
        QCOMPARE(run(), answer);
        if (!deleting)
            QCOMPARE(seen->labels.mid(0, 2),
                     mode ? QStringList({"Saved captured 3 images.", "/p"})
                          : QStringList({"Saved captured image.", "/p/shot.png"}));
        QCOMPARE(opened_, opened.isEmpty() ? QStringList() : QStringList(opened));
        QCOMPARE(preferences_.getBool(own, true), !skip);
        QVERIFY(preferences_.getBool(other, false));

        const auto unasked = ModalDialogAnswerer::closeWindow(300);
        QCOMPARE(run(), skip ? (deleting ? 1 : 3) : 3);
        QCOMPARE(unasked->answered, !skip);
    }

    // The quality box follows the format; "save" stores every choice, the name format
    // chosen in the inner dialog included.
    void confirmSave_data()
    {
        QTest::addColumn<int>("fileFormat");
        QTest::addColumn<QString>("storedQuality");
        QTest::addColumn<bool>("qualityEnabled");
        QTest::addColumn<int>("shownQuality");
        row("PNG", 0, QString("80"), false, 80);
        row("JPG", 1, QString("high"), true, 100);
        row("BMP", 2, QString(), false, 100);
        row("GIF", 3, QString("0x50"), false, 100);
        row("unknown format shows PNG", 9, QString("55"), false, 55);
    }

    void confirmSave()
    {
        QFETCH(int, fileFormat);
        QFETCH(QString, storedQuality);
        QFETCH(bool, qualityEnabled);
        QFETCH(int, shownQuality);
        preferences_.setInt(KestrelPreferences::FileFormat, fileFormat);
        preferences_.setString(KestrelPreferences::JpgQuality, storedQuality);
        preferences_.setInt(KestrelPreferences::FileNameType, 1);
        preferences_.setString(KestrelPreferences::FileNameTemplate, "yyyy-MM-dd");
        ConfirmSaveDialog dialog(&preferences_, ConfirmSaveDialog::All);
        auto format = dialog.findChild<QComboBox *>("format_");
        auto quality = dialog.findChild<QSpinBox *>("quality_");
        auto fileName = dialog.findChild<QLabel *>("fileName_");
        QCOMPARE(dialog.windowTitle(), QString("Confirm Save All Images"));
        QCOMPARE(fileName->text(), QString("yyyy-MM-dd"));
        QCOMPARE(quality->isEnabled(), qualityEnabled);
        QCOMPARE(quality->value(), shownQuality);
        format->setCurrentText("JPG");
        QVERIFY(quality->isEnabled());
        format->setCurrentText("GIF");
        QVERIFY(!quality->isEnabled());

        ModalDialogAnswerer::answer([](QWidget *inner) {
            inner->findChild<QComboBox *>("legacyFormats_")->setCurrentText("birdname");
            inner->findChild<QPushButton *>("ok_")->click();
        });
        dialog.onClickSetFileNameFormat();
        QCOMPARE(fileName->text(), QString("birdname"));
        dialog.findChild<QLineEdit *>("savePath_")->setText("/p/q");
        dialog.findChild<QPushButton *>("ok_")->click();
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(preferences_.getInt(KestrelPreferences::FileNameType, -1), 3);
        QCOMPARE(preferences_.getString(KestrelPreferences::FileNameTemplate, ""),
                 QString("BIRDNAME"));
        QCOMPARE(preferences_.getInt(KestrelPreferences::FileFormat, -1), 3);
        QCOMPARE(preferences_.getString(KestrelPreferences::FilePath, ""), QString("/p/q"));
        QCOMPARE(preferences_.getString(KestrelPreferences::JpgQuality, ""),
                 QString::number(shownQuality));
    }
};

QTEST_MAIN(tst_SaveDialogs)
#include "tst_SaveDialogs.moc"
