#include "preferences/KestrelPreferences.h"
#include "preferences/PreferencesDialog.h"
#include "preferences/RegistryFile.h"
#include "support/DataRow.h"
#include "support/ModalDialogAnswerer.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

using P = KestrelPreferences;
Q_DECLARE_METATYPE(QDialogButtonBox::StandardButton)

namespace {

// Every value of the key table stored, then the given "Name=value" lines of the config key
// written over them as another program may have left them.
void storeProfile(const QByteArrayList &values, int presets)
{
    TestEnvironment::resetRegistry();
    KestrelPreferences preferences;
    preferences.initialize();
    QList<QSize> sizes;
    for (int i = 0; i < presets; ++i)
        sizes << QSize(100 + i, 50);
    preferences.setSizePresets(sizes);
    preferences.save();
    const auto config = RegistrySettings::open(RegistrySettings::kCurrentUserRoot + P::kConfigPath);
    for (const QByteArray &value : values) {
        const QString text = QString::fromLatin1(value.mid(value.indexOf('=') + 1));
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        config->setValue(QString::fromLatin1(value.left(value.indexOf('='))),
                         isNumber ? QVariant(number) : QVariant(text));
    }
    config->sync();
}

QSet<QByteArray> toSet(const QByteArrayList &lines)
{
    return QSet<QByteArray>(lines.begin(), lines.end());
}

template<typename T = QWidget>
T *control(const QWidget *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

} // namespace

class tst_PreferencesDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<KestrelPreferences> preferences_;
    std::unique_ptr<PreferencesDialog> dialog_;

    void open(const QByteArrayList &values = {}, int presets = 0)
    {
        dialog_.reset();
        storeProfile(values, presets);
        preferences_.reset(new KestrelPreferences);
        QVERIFY(preferences_->initialize());
        dialog_.reset(new PreferencesDialog(preferences_.get()));
        // The bird-name rule chosen in the file-name format dialog.
        dialog_->setFileNameFormatEditor([](QWidget *, int &type, QString &format) {
            type = 3;
            format = QStringLiteral("BIRDNAME");
            return true;
        });
        dialog_->loadAll();
        dialog_->show();
    }

    QCheckBox *box(const char *name) { return control<QCheckBox>(dialog_.get(), name); }

private slots:
    void cleanup()
    {
        ModalDialogAnswerer::disarmAll();
        dialog_.reset();
    }

    // The settings that exclude or need each other, asked about when the user clicks.
    void tyingRules_data()
    {
        QTest::addColumn<QByteArrayList>("stored");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("checkedAfter");
        const QByteArrayList autoSave {"AutoSave=1"}, fileDlg {"ShowFileDlgAfterCapture=1"},
                noClipboard {"CopyToClipboard=0"}, skip {"SkipEditorWnd=1"}, nothing;
        const QString fileDlgBox = "showFileDlgAfterCapture_", autoSaveBox = "useAutoSave_",
                      skipBox = "skipEditorWnd_", copyBox = "copyToClipboard_";
        const QStringList fileDlgAndCopy {fileDlgBox, copyBox},
                autoSaveAndCopy {autoSaveBox, copyBox}, skipAndCopy {skipBox, copyBox}, none;
        const auto Ok = QDialogButtonBox::Ok, Cancel = QDialogButtonBox::Cancel,
                   unasked = QDialogButtonBox::NoButton;
        row("file browser over auto save, Cancel", autoSave, fileDlgBox, Cancel, autoSaveAndCopy);
        row("file browser over auto save, OK", autoSave, fileDlgBox, Ok, fileDlgAndCopy);
        row("auto save over file browser, Cancel", fileDlg, autoSaveBox, Cancel, fileDlgAndCopy);
        row("auto save over file browser, OK", fileDlg, autoSaveBox, Ok, autoSaveAndCopy);
        row("file browser alone", nothing, fileDlgBox, unasked, fileDlgAndCopy);
        row("skip editor without clipboard, OK", noClipboard, skipBox, Ok, skipAndCopy);
        row("skip editor without clipboard, Cancel", noClipboard, skipBox, Cancel, none);
        row("clipboard off while skipping, Cancel", skip, copyBox, Cancel, none);
        row("clipboard off while skipping, OK", skip, copyBox, Ok, skipAndCopy);
        row("skip editor with clipboard", nothing, skipBox, unasked, skipAndCopy);
    }

    void tyingRules()
    {
        QFETCH(QByteArrayList, stored);
        QFETCH(QString, clicked);
        QFETCH(QDialogButtonBox::StandardButton, answer);
        QFETCH(QStringList, checkedAfter);
        open(stored);
        QCheckBox *target = box(clicked.toLatin1());
        dialog_->selectPage(clicked == "useAutoSave_" ? PreferencesDialog::CapturePage
                                                      : PreferencesDialog::GeneralPage);
        const auto seen = ModalDialogAnswerer::clickStandardButton(
                answer == QDialogButtonBox::NoButton ? QDialogButtonBox::Cancel : answer, 0);
        target->click();
        QCOMPARE(seen->answered, answer != QDialogButtonBox::NoButton);
        QStringList checked;
        for (const char *name :
             {"showFileDlgAfterCapture_", "useAutoSave_", "skipEditorWnd_", "copyToClipboard_"})
            if (box(name)->isChecked())
                checked << name;
        checked.sort();
        checkedAfter.sort();
        QCOMPARE(checked, checkedAfter);
    }

    // Values the dialog does not offer show its first choice, stay stored through Cancel,
    // and are replaced only by OK; modifier bits it has no box for are kept.
    void unofferedValues_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("controlName");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("shown");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QVariant>("afterOk");
        using B = QByteArray;
        using V = QVariant;
        // clang-format off
        row("key 32", B("HotKeyChar=32"), B("regionKey_"), B("currentText"), V("0"), int(P::HotKeyChar), V(48));
        row("capture mode 9", B("PrintScreenCaptureMode=9"), B("captureMode_"), B("currentIndex"), V(0), int(P::PrintScreenCaptureMode), V(0));
        row("format 7", B("FileFormat=7"), B("format_"), B("currentIndex"), V(0), int(P::FileFormat), V(0));
        row("unlisted guideline colour", B("LineColor=305419896"), B("guidelineColor_"), B("currentIndex"), V(0), int(P::LineColor), V(int(0xFF000000)));
        row("no-repeat modifier bit", B("HotKeyMod=16390"), B("regionCtrl_"), B("checked"), V(true), int(P::HotKeyMod), V(16390));
        row("negative history setting", B("NotifyDeleteHistory=-1"), B("notifyDeleteHistory_"), B("checked"), V(true), int(P::NotifyDeleteHistory), V(true));
        row("quality that is no number", B("JpgQuality=best"), B("quality_"), B("value"), V(100), int(P::JpgQuality), V("best"));
        // clang-format on
    }

    void unofferedValues()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, controlName);
        QFETCH(QByteArray, property);
        QFETCH(int, slot);
        QFETCH(QVariant, afterOk);
        open({"" + stored});
        const QVariant before = valueOf(*preferences_, slot);
        QTEST(control(dialog_.get(), controlName)->property(property), "shown");
        dialog_->onCancel();
        QCOMPARE(valueOf(*preferences_, slot), before);
        dialog_->loadAll();
        dialog_->onOK();
        QCOMPARE(valueOf(*preferences_, slot).toString(), afterOk.toString());
    }

    // OK puts into the store what the pages show, and nothing the user did not change.
    void okWritesOnlyChanges_data()
    {
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<QStringList>("written");
        row("nothing", QByteArray(), QStringList {});
        row("tray mode", QByteArray("trayMode_"), QStringList {"TrayMode=0"});
        row("JPG at 80", QByteArray("quality_"), QStringList {"FileFormat=1", "JpgQuality=80"});
        row("window key off", QByteArray("window_"), QStringList {"UseHotKey_W=0"});
        row("file-name rule", QByteArray("setFileNameFormat_"),
            QStringList {"FileNameTamplate=BIRDNAME", "FileNameType=3"});
        row("delete without asking", QByteArray("notifyDeleteHistory_"),
            QStringList {"NotifyDeleteHistory=0"});
    }

    void okWritesOnlyChanges()
    {
        QFETCH(QByteArray, change);
        QFETCH(QStringList, written);
        open();
        const QSet<QByteArray> before = toSet(registryBytes().split('\n'));
        if (change == "quality_") {
            control<QComboBox>(dialog_.get(), "format_")->setCurrentIndex(1);
            control<QSpinBox>(dialog_.get(), "quality_")->setValue(80);
        } else if (!change.isEmpty()) {
            control<QAbstractButton>(dialog_.get(), change)->click();
        }
        QSignalSpy finished(dialog_.get(), &QDialog::finished);
        dialog_->findChild<QPushButton *>("ok_")->click();
        QCOMPARE(finished.value(0).value(0).toInt(), int(QDialog::Accepted));
        QCOMPARE(preferences_->save(), written.size());
        QStringList changed;
        for (const QByteArray &line : registryBytes().split('\n'))
            if (!before.contains(line))
                changed << QString::fromLatin1(line).section('\\', -1);
        changed.sort();
        QCOMPARE(changed, written);
    }

    // Defaults, then Cancel, Escape or the window's close: the store and the registry file
    // stay exactly as they were.
    void leavingWithoutOk_data()
    {
        QTest::addColumn<int>("way");
        row("cancel", 0);
        row("escape", 1);
        row("close", 2);
    }

    void leavingWithoutOk()
    {
        QFETCH(int, way);
        open({"ShowOverlay=0", "HotKeyChar=32", "AutoSavePath="}, 3);
        const QByteArray before = registryBytes();
        ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::Yes, 0);
        dialog_->onSetDefaultAllPages();
        QVERIFY(box("showOverlay_")->isChecked());
        QCOMPARE(control<QTableWidget>(dialog_.get(), "presets_")->item(0, 0), nullptr);
        QSignalSpy finished(dialog_.get(), &QDialog::finished);
        if (way == 0)
            dialog_->findChild<QPushButton *>("cancel_")->click();
        else if (way == 1)
            QTest::keyClick(dialog_.get(), Qt::Key_Escape);
        else
            dialog_->close();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.value(0).value(0).toInt(), int(QDialog::Rejected));
        QCOMPARE(preferences_->save(), 0);
        QCOMPARE(registryBytes(), before);
    }

    // Six cells hold at most six presets, shown column by column; a size already there is
    // refused with a message and the input stays open; a preset may keep its own size.
    void presets()
    {
        open({}, 6);
        auto *table = control<QTableWidget>(dialog_.get(), "presets_");
        auto *add = control<QPushButton>(dialog_.get(), "addPreset_");
        QCOMPARE(table->item(1, 0)->text(), QString("101 x 50"));
        QVERIFY(!add->isEnabled());
        QVERIFY(!control(dialog_.get(), "deletePreset_")->isEnabled());
        table->setCurrentCell(0, 1);
        control<QPushButton>(dialog_.get(), "deletePreset_")->click();
        QVERIFY(add->isEnabled());
        QCOMPARE(table->item(0, 1)->text(), QString("103 x 50"));

        // Types a size and presses ok; an input left open is cancelled.
        bool stayedOpen = false;
        const auto input = [&stayedOpen](int width) {
            ModalDialogAnswerer::answer([width, &stayedOpen](QWidget *sizeInput) {
                sizeInput->findChild<QSpinBox *>("width_")->setValue(width);
                sizeInput->findChild<QSpinBox *>("height_")->setValue(50);
                sizeInput->findChild<QPushButton *>("ok_")->click();
                stayedOpen = sizeInput->isVisible();
                if (stayedOpen)
                    sizeInput->findChild<QPushButton *>("cancel_")->click();
            });
            return ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::Ok, 2000);
        };
        auto message = input(104);
        add->click();
        QVERIFY(message->labels.contains("This size has already been added."));
        QVERIFY(stayedOpen);
        message = input(120);
        add->click();
        QVERIFY(!message->answered);
        QCOMPARE(table->item(1, 2)->text(), QString("120 x 50"));
        QVERIFY(!add->isEnabled());

        ModalDialogAnswerer::disarmAll();
        table->setCurrentCell(1, 2);
        message = input(120);
        control<QPushButton>(dialog_.get(), "editPreset_")->click();
        QVERIFY(!message->answered);
        QVERIFY(!stayedOpen);
        dialog_->onOK();
        QList<QSize> stored;
        preferences_->sizePresets(stored);
        QCOMPARE(stored.size(), 6);
        QCOMPARE(stored.last(), QSize(120, 50));
    }

    void qualityFollowsFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("qualityEnabled");
        row("JPG", 1, true);
        row("BMP", 2, false);
    }

    void qualityFollowsFormat()
    {
        QFETCH(int, format);
        open({"FileFormat=" + QByteArray::number(3 - format)});
        control<QComboBox>(dialog_.get(), "format_")->setCurrentIndex(format);
        QTEST(control(dialog_.get(), "quality_")->isEnabled(), "qualityEnabled");
    }

    // "Set default this page" touches the page in view only, after a Yes.
    void defaultsOfOnePage_data()
    {
        QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
        QTest::addColumn<bool>("historyKept");
        row("yes", QDialogButtonBox::Yes, false);
        row("no", QDialogButtonBox::No, true);
    }

    void defaultsOfOnePage()
    {
        QFETCH(QDialogButtonBox::StandardButton, answer);
        open({"AutoHistoryDelete=1", "TrayMode=0"});
        dialog_->selectPage(PreferencesDialog::HistoryPage);
        ModalDialogAnswerer::clickStandardButton(answer, 0);
        dialog_->onSetDefaultThisPage();
        QTEST(box("autoHistoryDelete_")->isChecked(), "historyKept");
        QVERIFY(!box("trayMode_")->isChecked());
    }

    void selectPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("shown");
        row("history", 3, 3);
        row("beyond the list", 9, 0);
        row("negative", -1, 0);
    }

    void selectPage()
    {
        QFETCH(int, page);
        QFETCH(int, shown);
        open();
        dialog_->selectPage(1);
        dialog_->selectPage(page);
        QCOMPARE(dialog_->currentPage(), shown);
        QCOMPARE(dialog_->findChild<QStackedWidget *>()->currentIndex(), shown);
    }
};

QTEST_MAIN(tst_PreferencesDialog)
#include "tst_PreferencesDialog.moc"
