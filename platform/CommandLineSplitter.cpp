#include "platform/CommandLineSplitter.h"

#include <QCoreApplication>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Ends an unquoted program path: every control character and the space.
bool endsProgram(QChar c)
{
    return c.unicode() >= 0x01 && c.unicode() <= 0x20;
}

// The program path: no escapes, and a leading quote runs to the next quote. Returns the
// position just after the token; the character that ends an unquoted path belongs to
// neither token.
int readProgramToken(const QString &line, QString &token)
{
    const QChar quote = QLatin1Char('"');
    if (line.startsWith(quote)) {
        const int end = line.indexOf(quote, 1);
        if (end < 0) {
            token = line.mid(1);
            return line.size();
        }
        token = line.mid(1, end - 1);
        return end + 1;
    }
    int end = 0;
    while (end < line.size() && !endsProgram(line.at(end)))
        ++end;
    token = line.left(end);
    return qMin(end + 1, line.size());
}

class ArgumentScanner
{
public:
    explicit ArgumentScanner(const QString &line) : line_(line) { }

    QStringList scan(int position)
    {
        position_ = position;
        skipBlanks();
        while (position_ < line_.size()) {
            const QChar c = line_.at(position_);
            if (isBlank(c) && quoteCount_ == 0)
                finishToken();
            else if (c == QLatin1Char('\\'))
                readBackslashes();
            else if (c == QLatin1Char('"'))
                readQuotes();
            else
                takeCharacter(c);
        }
        if (tokenOpen_)
            tokens_ << current_;
        return tokens_;
    }

private:
    void skipBlanks()
    {
        while (position_ < line_.size() && isBlank(line_.at(position_)))
            ++position_;
        tokenOpen_ = position_ < line_.size();
    }

    void takeCharacter(QChar c)
    {
        current_ += c;
        ++position_;
    }

    void finishToken()
    {
        tokens_ << current_;
        current_.clear();
        skipBlanks();
    }

    // Backslashes only mean something when their run ends at a double quote.
    void readBackslashes()
    {
        const int start = position_;
        while (position_ < line_.size() && line_.at(position_) == QLatin1Char('\\'))
            ++position_;
        const int count = position_ - start;
        const bool beforeQuote =
                position_ < line_.size() && line_.at(position_) == QLatin1Char('"');
        if (!beforeQuote) {
            current_ += QString(count, QLatin1Char('\\'));
            return;
        }
        current_ += QString(count / 2, QLatin1Char('\\'));
        if (count % 2 == 1) {
            current_ += QLatin1Char('"');
            ++position_;
            readQuoteRun();
        }
    }

    void readQuotes()
    {
        ++quoteCount_;
        ++position_;
        readQuoteRun();
    }

    // The quotes following the first of a run: the third quote counted from an open quoted
    // part is a literal one and leaves quoting; a run that ends on the second closes it.
    void readQuoteRun()
    {
        while (position_ < line_.size() && line_.at(position_) == QLatin1Char('"')) {
            if (++quoteCount_ == 3) {
                current_ += QLatin1Char('"');
                quoteCount_ = 0;
            }
            ++position_;
        }
        if (quoteCount_ == 2)
            quoteCount_ = 0;
    }

    const QString &line_;
    QStringList tokens_;
    QString current_;
    int position_ = 0;
    int quoteCount_ = 0;
    bool tokenOpen_ = false;
};

} // namespace

QStringList SplitCommandLine(const QString &text)
{
    // Windows hands the line over as a C string, which ends at its first NUL.
    const QString line = text.left(text.indexOf(QChar(0)));
    if (line.isEmpty())
        return {QCoreApplication::applicationFilePath()};
    QString program;
    const int position = readProgramToken(line, program);
    return QStringList(program) + ArgumentScanner(line).scan(position);
}
