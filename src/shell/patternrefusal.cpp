#include "shell/patternrefusal.h"

#include "forms/systemreason.h"
#include "logic/patternfile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The context of these texts in the translations.
struct PatternRefusal {
    Q_DECLARE_TR_FUNCTIONS(PatternRefusal)
};

QString fault(const ReadResult &read)
{
    switch (read.problem) {
    case PatternProblem::None:
        break;
    case PatternProblem::Empty:
        return PatternRefusal::tr("the file is empty: it holds no pattern");
    case PatternProblem::NulByte:
        return PatternRefusal::tr("the line holds a NUL byte");
    case PatternProblem::ByteNotText:
        //: %1 is the byte in two hexadecimal digits.
        return PatternRefusal::tr("the line holds a byte that is not text (0x%1)")
            .arg(read.byte, 2, 16, QLatin1Char('0'));
    case PatternProblem::SignedValue:
        //: %1 is the field as the file holds it.
        return PatternRefusal::tr("\"%1\" has a sign; dot numbers are unsigned").arg(read.field);
    case PatternProblem::NotWholeNumber:
        return PatternRefusal::tr("\"%1\" is not a whole number").arg(read.field);
    case PatternProblem::NotDotNumber:
        return PatternRefusal::tr("\"%1\" is not a dot number from 0 to 63").arg(read.field);
    case PatternProblem::TooManyValues:
        return PatternRefusal::tr("the file holds more than 64 values");
    case PatternProblem::TooLarge:
        return PatternRefusal::tr("the file is too large to be a pattern file");
    case PatternProblem::NotRegularFile:
        return PatternRefusal::tr("it is not a regular file");
    case PatternProblem::Unreadable:
        return systemReason(read.systemReason);
    }
    return QString();
}

} // namespace

QString patternRefusal(const QString &file, const ReadResult &read)
{
    QString why = fault(read);
    //: %1 is the line's number, %2 what is wrong with it.
    if (read.errorLine > 0)
        why = PatternRefusal::tr("line %1: %2").arg(QString::number(read.errorLine), why);
    //: %2 is the reason, on a line of its own.
    return PatternRefusal::tr("The pattern file \"%1\" cannot be opened.\n%2")
        .arg(QDir::toNativeSeparators(file), why);
}
