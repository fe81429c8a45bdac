#include "editor/Editor.h"
#include "history/ConfirmDeleteDialog.h"
#include "history/ConfirmSaveDialog.h"
#include "history/HistoryButton.h"
#include "history/HistoryButtonWidget.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryWidget.h"
#include "history/MultiSaver.h"
#include "history/PostSaveDialog.h"
#include "preferences/KestrelPreferences.h"
#include "services/StatisticsClient.h"
#include "support/DataRow.h"
#include "support/FileBytes.h"
#include "support/ModalDialogAnswerer.h"
#include "support/ServiceCallLog.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using Answer = std::shared_ptr<ModalDialogAnswerer::Seen>;
using Names = QStringList;
using Rows = QList<int>;

// Saving and deleting from the history panel, and the questions these ask. Captures are plain
// colours, oldest first in editors_, so row r shows editors_[count - 1 - r]; names are "shot"
// with numbered tails.
class tst_SaveFlows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<KestrelPreferences> preferences_;
    std::unique_ptr<QObject> owner_;
    std::unique_ptr<HistoryWidget> panel_;
    std::unique_ptr<ServiceCallLog> log_;
    QList<QPointer<Editor>> editors_;
    QStringList opened_; // files and folders shown to the user

    HistoryListWidget *list() const { return panel_->listWidget(); }
    HistoryButton *thumbnail(int row) { return list()->buttonWidget(list()->item(row))->button(); }
    QString path(const QString &name) const { return dir_->filePath(name); }
    static QRgb colourOf(int capture) { return QColor::fromHsv(capture * 40, 200, 200).rgb(); }
    void addCaptures(int count, QSize size = QSize(48, 32))
    {
        for (int i = 0; i < count; ++i) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colourOf(editors_.size()));
            editors_ << new Editor(owner_.get());
            editors_.last()->setImagePath(path(QString("capture-%1.png").arg(editors_.size())));
            image.save(editors_.last()->imagePath());
            panel_->addHistory(History(editors_.last()));
        }
    }
    void check(const Rows &rows)
    {
        if (!rows.isEmpty())
            panel_->findChild<QPushButton *>("historySelectMode_")->click();
        for (int row : rows)
            thumbnail(row)->selectButton()->setChecked(true);
    }
    QString setFolders(const QString &folder, int format = 0)
    {
        const QString out = folder.startsWith('/') ? folder : path(folder);
        preferences_->setInt(KestrelPreferences::FileNameType, 0);
        preferences_->setString(KestrelPreferences::FileNameTemplate, "shot");
        preferences_->setInt(KestrelPreferences::FileFormat, format);
        preferences_->setString(KestrelPreferences::FilePath, out);
        preferences_->setString(KestrelPreferences::AutoSavePath, out);
        QDir(path("out")).mkpath(".");
        return out;
    }

public slots:
    void open(const QUrl &url) { opened_ << url.toLocalFile(); }

private slots:
    void initTestCase()
    {
        QVERIFY(StatisticsClient::Initialize("QXSTS.dll", "Kestrel"));
        QDesktopServices::setUrlHandler("file", this, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
    void init()
    {
        TestEnvironment::resetRegistry();
        dir_ = std::make_unique<QTemporaryDir>();
        preferences_ = std::make_unique<KestrelPreferences>();
        preferences_->initialize();
        owner_ = std::make_unique<QObject>();
        panel_ = std::make_unique<HistoryWidget>();
        panel_->setPreferences(preferences_.get());
        editors_.clear();
        log_ = std::make_unique<ServiceCallLog>();
    }
    void cleanup()
    {
        ModalDialogAnswerer::disarmAll();
        panel_.reset();
        owner_.reset();
        log_.reset();
    }

    // Oldest first, passing over a name on disk and keeping it. Only written captures are
    // marked, and the user hears how many failed.
    void saveSeveral_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<Rows>("checked");
        QTest::addColumn<bool>("vanished"); // the newest capture's file is gone
        QTest::addColumn<Names>("expected"); // oldest saved capture first
        QTest::addColumn<QString>("warning");
        const QString none, noneSaved = "failed to save images.\nplease change save folder.";
        const Names all {"shot_1.png", "shot_3.png", "shot_4.png"}; // shot_2.png is taken
        // clang-format off
        row("all, numbered tails", QString("out"), Rows(), false, all, none);
        row("checked rows only", QString("out"), Rows{0, 2}, false, Names(all.mid(0, 2)), none);
        row("one capture vanished", QString("out"), Rows(), true, Names(all.mid(0, 2)), QString("Saved 2 images, but failed to save 1 images."));
        row("folder under a file", QString("file/out"), Rows(), false, Names(), noneSaved);
        row("read-only file system", QString("/proc"), Rows(), false, Names(), noneSaved);
        // clang-format on
    }
    void saveSeveral()
    {
        QFETCH(QString, folder);
        QFETCH(Rows, checked);
        QFETCH(bool, vanished);
        QFETCH(Names, expected);
        QFETCH(QString, warning);
        const QString out = setFolders(folder);
        QVERIFY(writeBytes(path("file"), "a file") && writeBytes(path("out/shot_2.png"), "old"));
        addCaptures(3);
        list()->onHistoryClicked(list()->historyItem(2)); // the shown capture is in memory
        QVERIFY(!vanished || QFile::remove(editors_[2]->imagePath()));
        check(checked);
        ModalDialogAnswerer::clickButton("ok_");
        Answer warned = warning.isEmpty() ? nullptr : ModalDialogAnswerer::clickButton("Ok");
        Answer saved = ModalDialogAnswerer::tickAndClick(true, "Close");
        panel_->onClickSaveImages();

        const Rows captures = checked.isEmpty() ? Rows {0, 1, 2} : Rows {0, 2};
        for (int capture = 0; capture < 3; ++capture) {
            const QString name = expected.value(captures.indexOf(capture));
            const QString file = name.isEmpty() ? name : out + '/' + name;
            QCOMPARE(editors_[capture]->savedPath(), file);
            QVERIFY(file.isEmpty() || QImage(file).pixel(1, 1) == colourOf(capture));
            QCOMPARE(thumbnail(2 - capture)->saveIcon()->isHidden(), file.isEmpty());
        }
        QCOMPARE(readBytes(path("out/shot_2.png")), QByteArray("old"));
        if (folder == "out") // and no placeholder is left behind
            QCOMPARE(QDir(out).entryList(QDir::Files).size(), expected.size() + 1);
        QVERIFY(!warned || warned->labels.contains(warning));
        QCOMPARE(saved->labels.contains(QString("Saved captured %1 images.").arg(expected.size())),
                 !expected.isEmpty());
        QCOMPARE(preferences_->getBool(KestrelPreferences::ShowPostSaveAllDlg, true),
                 expected.isEmpty());
        QCOMPARE(log_->actionCodes(),
                 checked.isEmpty() ? Names({"cap_30_22", "cap_20_005"})
                                   : Names({"cap_30_19", "cap_30_20", "cap_20_005"}));
        QCOMPARE(list()->historySelectMode(), NormalSelectMode);
    }

    // One capture, automatically or through the file dialog; a failure leaves the capture
    // unsaved and any file already there whole.
    void saveOne_data()
    {
        QTest::addColumn<QString>("typed"); // in the file dialog; empty: automatic
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("outcome"); // the format's statistics code, or the warning
        const QString none, out = "out";
        // clang-format off
        row("automatic beside a taken name", none, 1, QString("shot.jpg"), out, QString("shot_1.jpg"), QString("capt_1_012"));
        row("automatic, vanished capture", none, 0, none, out, none, QString("failed to save image."));
        row("automatic, read-only file system", none, 0, none, QString("/proc"), none, QString("failed to access save file."));
        row("dialog, last suffix decides", QString("v1.2.png"), 1, none, out, QString("v1.2.png"), QString("capt_1_011"));
        row("dialog, typed without extension", QString("plain"), 2, none, out, QString("plain.bmp"), QString("capt_1_013"));
        row("dialog, replacing confirmed", QString("mine.gif"), 0, QString("mine.gif"), out, QString("mine.gif"), QString("capt_1_014"));
        row("dialog, failed write keeps the file", QString("wide.jpg"), 0, QString("wide.jpg"), out, none, QString("failed to save image."));
        // clang-format on
    }
    void saveOne()
    {
        QFETCH(QString, typed);
        QFETCH(int, format);
        QFETCH(QString, existing);
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QFETCH(QString, outcome);
        const QString out = setFolders(folder, format);
        QVERIFY(existing.isEmpty() || writeBytes(out + '/' + existing, "old"));
        // The capture saved is not the one shown, whose pixels are in memory; JPG refuses
        // pictures this wide only once the file is open.
        addCaptures(2, typed == "wide.jpg" ? QSize(70000, 2) : QSize(48, 32));
        QVERIFY(!outcome.contains("save image") || typed == "wide.jpg"
                || QFile::remove(editors_[0]->imagePath()));
        if (!typed.isEmpty())
            ModalDialogAnswerer::answer([=](QWidget *dialog) {
                dialog->findChild<QLineEdit *>("fileNameEdit")->setText(typed);
                static_cast<QDialog *>(dialog)->accept();
            });
        Answer replace = existing.isEmpty() || typed.isEmpty()
                ? nullptr
                : ModalDialogAnswerer::clickButton("&Yes");
        Answer warned =
                outcome.startsWith("failed") ? ModalDialogAnswerer::clickButton("Ok") : nullptr;
        ModalDialogAnswerer::tickAndClick(true, "Close");
        panel_->onSaveImage(list()->item(1), typed.isEmpty());

        const QString file = expected.isEmpty() ? QString() : out + '/' + expected;
        QCOMPARE(editors_[0]->savedPath(), file);
        QVERIFY(!warned || warned->labels.contains(outcome));
        QVERIFY(!replace || replace->answered);
        QVERIFY(existing.isEmpty() || existing == expected
                || readBytes(out + '/' + existing) == "old");
        QVERIFY(file.isEmpty() || format == 1 || QImage(file).pixel(1, 1) == colourOf(0));
        QCOMPARE(log_->actionCodes(), Names({"cap_30_01", outcome}).mid(0, file.isEmpty() ? 1 : 2));
        QCOMPARE(preferences_->getBool(KestrelPreferences::ShowPostSaveDlg, true), file.isEmpty());
    }

    // The checked or all captures go on "Yes", or unasked once the question is skipped; a
    // capture arriving while the question is open stays.
    void deleteSeveral_data()
    {
        QTest::addColumn<Rows>("checked"); // empty: not in select mode
        QTest::addColumn<bool>("notify");
        QTest::addColumn<QString>("button"); // empty: window closed
        QTest::addColumn<bool>("skip");
        QTest::addColumn<Rows>("kept"); // captures left, oldest first
        row("clear history", Rows(), true, QString("Yes(&Y)"), false, Rows {3});
        row("clear history, no, skip", Rows(), true, QString("No(&N)"), true, Rows {0, 1, 2, 3});
        row("clear history unasked", Rows(), false, QString(), false, Rows());
        row("selected, yes, skip", Rows {0, 2}, true, QString("Yes(&Y)"), true, Rows {1, 3});
        row("selected, closed", Rows {1}, true, QString(), false, Rows {0, 1, 2, 3});
    }
    void deleteSeveral()
    {
        QFETCH(Rows, checked);
        QFETCH(bool, notify);
        QFETCH(QString, button);
        QFETCH(bool, skip);
        preferences_->setBool(KestrelPreferences::NotifyDeleteAllHistory, notify);
        addCaptures(3);
        check(checked);
        Answer asked = ModalDialogAnswerer::tickAndClick(skip, button,
                                                         [this](QWidget *) { addCaptures(1); });
        panel_->onClickDeleteImages();
        QTest::qWait(0);
        Rows left;
        for (int capture = 0; capture < editors_.size(); ++capture) {
            if (editors_[capture])
                left << capture;
        }
        QTEST(left, "kept");
        QCOMPARE(asked->answered, notify);
        QCOMPARE(preferences_->getBool(KestrelPreferences::NotifyDeleteAllHistory, true),
                 notify && !skip);
        QCOMPARE(log_->actionCodes().last(), checked.isEmpty() ? "cap_30_23" : "cap_30_21");
        const bool deleted = !notify || button.startsWith("Yes");
        QCOMPARE(list()->historySelectMode(),
                 checked.isEmpty() || deleted ? NormalSelectMode : MultiSelectMode);
    }

    // A file that appears while the captures are written keeps its contents: the event loop
    // runs meanwhile, and every name is created exclusively.
    void fileAppearingDuringMultiSave()
    {
        setFolders("out");
        addCaptures(6);
        bool returned = false, created = false;
        QMetaObject::invokeMethod(
                this,
                [&] { created = !returned && writeBytes(path("out/shot_6.png"), "theirs", true); },
                Qt::QueuedConnection);
        const MultiSaver::Result result =
                MultiSaver(*preferences_, panel_.get()).save({editors_.cbegin(), editors_.cend()});
        returned = true;
        QVERIFY(created);
        QCOMPARE(result.saved, 6);
        QCOMPARE(result.firstPath, path("out/shot_1.png"));
        QCOMPARE(readBytes(path("out/shot_6.png")), QByteArray("theirs"));
        QCOMPARE(editors_[5]->savedPath(), path("out/shot_7.png"));
    }

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
        QFETCH(QString, opened);
        const bool deleting = dialog == "delete";
        using P = KestrelPreferences;
        const int keys[2][2] = {{P::ShowPostSaveDlg, P::ShowPostSaveAllDlg},
                                {P::NotifyDeleteHistory, P::NotifyDeleteAllHistory}};
        const int own = keys[deleting][mode > 0], other = keys[deleting][mode == 0];
        preferences_->setBool(own, true);
        preferences_->setBool(other, true);
        opened_.clear();
        const auto run = [&] {
            return deleting
                    ? ConfirmDeleteDialog::confirm(*preferences_, ConfirmDeleteDialog::Mode(mode))
                    : PostSaveDialog::present(*preferences_, mode, "/p/shot.png", 3);
        };
        const auto seen = ModalDialogAnswerer::tickAndClick(skip, button);
        QTEST(run(), "answer");
        if (!deleting)
            QCOMPARE(seen->labels.mid(0, 2),
                     mode ? QStringList({"Saved captured 3 images.", "/p"})
                          : QStringList({"Saved captured image.", "/p/shot.png"}));
        QCOMPARE(opened_, opened.isEmpty() ? QStringList() : QStringList(opened));
        QCOMPARE(preferences_->getBool(own, true), !skip);
        QVERIFY(preferences_->getBool(other, false));

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
        QFETCH(int, shownQuality);
        preferences_->setInt(KestrelPreferences::FileFormat, fileFormat);
        preferences_->setString(KestrelPreferences::JpgQuality, storedQuality);
        preferences_->setInt(KestrelPreferences::FileNameType, 1);
        preferences_->setString(KestrelPreferences::FileNameTemplate, "yyyy-MM-dd");
        ConfirmSaveDialog dialog(preferences_.get(), ConfirmSaveDialog::All);
        auto format = dialog.findChild<QComboBox *>("format_");
        auto quality = dialog.findChild<QSpinBox *>("quality_");
        auto fileName = dialog.findChild<QLabel *>("fileName_");
        QCOMPARE(fileName->text(), QString("yyyy-MM-dd"));
        QTEST(quality->isEnabled(), "qualityEnabled");
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
        QCOMPARE(preferences_->getInt(KestrelPreferences::FileNameType, -1), 3);
        QCOMPARE(preferences_->getString(KestrelPreferences::FileNameTemplate, ""),
                 QString("BIRDNAME"));
        QCOMPARE(preferences_->getInt(KestrelPreferences::FileFormat, -1), 3);
        QCOMPARE(preferences_->getString(KestrelPreferences::FilePath, ""), QString("/p/q"));
        QCOMPARE(preferences_->getString(KestrelPreferences::JpgQuality, ""),
                 QString::number(shownQuality));
    }
};

QTEST_MAIN(tst_SaveFlows)
#include "tst_SaveFlows.moc"
