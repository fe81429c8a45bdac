#include "output/FileNameUtil.h"

#include "preferences/KestrelPreferences.h"

#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QRandomGenerator>

#include <memory>

namespace {

// Enough for any real folder; it only keeps a pathological one from spinning for ever.
constexpr int kMaxCandidates = 1000000;

struct BirdNameKey
{
    const char *key;
    const char *english; // shown while no catalogue names the bird
};

// "name40" stands twice: the list has fifty entries over forty-nine names.
// clang-format off
const BirdNameKey kBirdNames[] = {
    {QT_TRANSLATE_NOOP("FileNameUtil", "name0"), "Robin"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name1"), "Sparrow"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name2"), "Magpie"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name3"), "Swallow"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name4"), "Red-crowned Crane"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name5"), "Grey Heron"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name6"), "Great Egret"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name7"), "Kingfisher"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name8"), "Woodpecker"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name9"), "Tawny Owl"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name10"), "Golden Eagle"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name11"), "Peregrine Falcon"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name12"), "Goshawk"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name13"), "Pheasant"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name14"), "Mandarin Duck"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name15"), "Mallard"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name16"), "Whooper Swan"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name17"), "Pelican"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name18"), "Flamingo"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name19"), "Penguin"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name20"), "Albatross"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name21"), "Black-tailed Gull"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name22"), "Cuckoo"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name23"), "Hoopoe"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name24"), "Black-naped Oriole"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name25"), "Skylark"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name26"), "Wren"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name27"), "Nightingale"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name28"), "Brown-eared Bulbul"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name29"), "Carrion Crow"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name30"), "Jay"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name31"), "Starling"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name32"), "Great Tit"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name33"), "White-eye"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name34"), "Meadow Bunting"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name35"), "White Wagtail"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name36"), "Cormorant"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name37"), "Oriental Stork"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name38"), "Black-faced Spoonbill"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name39"), "Crested Ibis"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name40"), "Parrot"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name40"), "Parrot"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name41"), "Peafowl"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name42"), "Hummingbird"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name43"), "Toucan"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name44"), "Puffin"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name45"), "Ostrich"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name46"), "Emu"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name47"), "Kiwi"},
    {QT_TRANSLATE_NOOP("FileNameUtil", "name48"), "Bullfinch"},
};
// clang-format on

} // namespace

FileNameUtil::FileNameUtil(const KestrelPreferences *preferences) : preferences_(preferences) { }

void FileNameUtil::initialize(const KestrelPreferences *preferences)
{
    preferences_ = preferences;
}

QVector<FileNameUtil::LegacyFormat> FileNameUtil::legacyFormats()
{
    // clang-format off
    return {
        {DateTime, tr("yyyyMMdd_HHmmss"), QStringLiteral("yyyyMMdd_HHmmss")},
        {DateTime, tr("yyyy-MM-dd HH;mm;ss"), QStringLiteral("yyyy-MM-dd HH;mm;ss")},
        {DateTime, tr("MM-dd HH;mm;ss"), QStringLiteral("MM-dd HH;mm;ss")},
        {DateTime, tr("yyyy-MM-dd"), QStringLiteral("yyyy-MM-dd")},
        {DateTime, tr("HH;mm;ss"), QStringLiteral("HH;mm;ss")},
        {BirdName, tr("birdname"), QStringLiteral("BIRDNAME")},
        {SerialNumber, tr("serial"), QString()},
    };
    // clang-format on
}

int FileNameUtil::findLegacyFormat(int type, const QString &format)
{
    const QVector<LegacyFormat> formats = legacyFormats();
    for (int i = 0; i < formats.size(); ++i) {
        if (formats[i].type == type && formats[i].format == format)
            return i;
    }
    return -1;
}

int FileNameUtil::legacyFormatFor(int type, const QString &format)
{
    const int found = findLegacyFormat(type, format);
    if (found >= 0)
        return found;
    return format.isEmpty() || type == CustomText ? -1 : 0;
}

QStringList FileNameUtil::birdNames()
{
    QStringList names;
    for (const BirdNameKey &bird : kBirdNames) {
        const QString translated = tr(bird.key);
        names << (translated == QLatin1String(bird.key) ? QString::fromLatin1(bird.english)
                                                        : translated);
    }
    return names;
}

QStringList FileNameUtil::shuffledBirdNames(QRandomGenerator &random)
{
    QStringList shuffled;
    const QStringList names = birdNames();
    for (const QString &name : names) {
        if (random.generate() % 24 < 13)
            shuffled.prepend(name);
        else
            shuffled.append(name);
    }
    return shuffled;
}

QString FileNameUtil::convertLegacyTokens(const QString &text)
{
    static const QHash<QChar, QString> letters {
            {'Y', QStringLiteral("yyyy")}, {'m', QStringLiteral("MM")},
            {'d', QStringLiteral("dd")},   {'H', QStringLiteral("HH")},
            {'M', QStringLiteral("mm")},   {'S', QStringLiteral("ss")}};
    // One pass, so a replacement never forms a token of its own ("%%m").
    QString converted;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size() && letters.contains(text[i + 1]))
            converted += letters.value(text[++i]);
        else
            converted += text[i];
    }
    return converted;
}

QString FileNameUtil::sanitizedName(const QString &text)
{
    // What Windows refuses in a name; "/" and "\" would also lead out of the folder.
    static const QString refused = QStringLiteral("<>:\"/\\|?*");
    QString name;
    name.reserve(text.size());
    for (const QChar c : text)
        name += c.category() == QChar::Other_Control || refused.contains(c) ? QLatin1Char('_') : c;
    name.replace(QLatin1String(".."), QLatin1String("_"));
    if (name == QLatin1String("."))
        name = QStringLiteral("_");
    return name;
}

QString FileNameUtil::extensionFor(int fileFormat)
{
    static const char *const extensions[] = {"png", "jpg", "bmp", "gif"};
    return fileFormat >= 0 && fileFormat < 4 ? QString::fromLatin1(extensions[fileFormat])
                                             : QString();
}

QString FileNameUtil::join(const QString &folder, const QString &name)
{
    const QString dir = QDir::fromNativeSeparators(folder);
    return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

QString FileNameUtil::extension() const
{
    return preferences_ ? extensionFor(preferences_->getInt(KestrelPreferences::FileFormat, 0))
                        : QString();
}

int FileNameUtil::nameType() const
{
    return preferences_->getInt(KestrelPreferences::FileNameType, DateTime);
}

QString FileNameUtil::templateText() const
{
    return convertLegacyTokens(
            preferences_->getString(KestrelPreferences::FileNameTemplate, QString()));
}

bool FileNameUtil::numbersBySerial() const
{
    const int type = nameType();
    return type == SerialNumber || (type == CustomText && templateText().isEmpty());
}

QString FileNameUtil::fileName(const QString &folder) const
{
    if (!preferences_ || folder.isEmpty())
        return QString();
    const int type = nameType();
    const QString format = templateText();
    QString path;
    if (type == DateTime || (type == CustomText && !format.isEmpty())) {
        const QString name = sanitizedName(
                type == DateTime ? QDateTime::currentDateTime().toString(format) : format);
        if (!name.trimmed().isEmpty())
            path = join(folder, name);
    } else if (type == CustomText || type == SerialNumber) {
        path = serialName(folder);
    } else if (type == BirdName) {
        path = birdName(folder);
    }
    // The callers add the extension, so the fallback carries none of its own.
    return path.isEmpty() ? join(folder, sanitizedName(tr("Kestrel"))) : path;
}

QString FileNameUtil::serialName(const QString &folder) const
{
    if (folder.isEmpty())
        return QString();
    const QString suffix = QLatin1Char('.') + extension();
    for (int n = 1; n < kMaxCandidates; ++n) {
        const QString candidate =
                join(folder, QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')));
        // Whatever holds the name, a folder too, keeps it.
        if (!ReservedFile::isTaken(candidate + suffix))
            return candidate;
    }
    return QString();
}

QString FileNameUtil::birdName(const QString &folder) const
{
    return birdName(folder, *QRandomGenerator::global());
}

QString FileNameUtil::birdName(const QString &folder, QRandomGenerator &random) const
{
    if (folder.isEmpty())
        return QString();
    const QString suffix = QLatin1Char('.') + extension();
    const QStringList names = shuffledBirdNames(random);
    for (const QString &name : names) {
        const QString candidate = join(folder, sanitizedName(name));
        if (!ReservedFile::isTaken(candidate + suffix))
            return candidate;
    }
    return QString();
}

std::function<QString()> FileNameUtil::numberedCandidates(const QString &base) const
{
    const QString suffix = QLatin1Char('.') + extension();
    if (numbersBySerial()) {
        const int slash = base.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QString() : base.left(slash + 1);
        // The next free number is looked up afresh, so a number taken meanwhile is passed.
        return [this, folder, suffix] {
            const QString serial = serialName(folder);
            return serial.isEmpty() ? QString() : serial + suffix;
        };
    }
    auto n = std::make_shared<int>(0);
    return [base, suffix, n] {
        return *n < kMaxCandidates ? base + QLatin1Char('_') + QString::number(++*n) + suffix
                                   : QString();
    };
}

QString FileNameUtil::numberedFileName(const QString &base) const
{
    if (!preferences_ || base.isEmpty())
        return QString();
    const std::function<QString()> next = numberedCandidates(base);
    for (QString candidate = next(); !candidate.isEmpty(); candidate = next()) {
        if (!ReservedFile::isTaken(candidate))
            return candidate;
    }
    return QString();
}

ReservedFile FileNameUtil::reserveFirstFree(const std::function<QString()> &nextCandidate)
{
    for (int i = 0; i < kMaxCandidates; ++i) {
        const QString candidate = nextCandidate();
        if (candidate.isEmpty())
            break;
        bool taken = false;
        ReservedFile file = ReservedFile::create(candidate, &taken);
        if (file.isValid())
            return file;
        // Anything but a name taken meanwhile (no folder, no permission) fails every name.
        if (!taken)
            break;
    }
    return ReservedFile();
}

ReservedFile FileNameUtil::reserveFileName(const QString &folder) const
{
    if (extension().isEmpty() || folder.isEmpty() || !QDir().mkpath(folder))
        return ReservedFile();
    const QString base = fileName(folder);
    const std::function<QString()> numbered = numberedCandidates(base);
    bool first = true;
    return reserveFirstFree([&] {
        if (!first)
            return numbered();
        first = false;
        return base + QLatin1Char('.') + extension();
    });
}

ReservedFile FileNameUtil::reserveNumberedFileName(const QString &base) const
{
    if (extension().isEmpty() || base.isEmpty())
        return ReservedFile();
    return reserveFirstFree(numberedCandidates(base));
}
