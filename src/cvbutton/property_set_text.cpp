// Writing a form's property sets as text, one section per control, and reading them back.
#include "cvbutton/property_set_text.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace cvbutton {
namespace {

std::optional<QString> unquoted(const QString& value)
{
    if (value.size() < 2 || !value.startsWith(QLatin1Char('"')) || !value.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QString text;
    for (qsizetype i = 1; i < value.size() - 1; ++i) {
        QChar c = value[i];
        if (c == QLatin1Char('"'))
            return std::nullopt;
        if (c == QLatin1Char('\\')) {
            if (++i >= value.size() - 1)
                return std::nullopt;
            const QChar escaped = value[i];
            const int known = QStringLiteral("\"\\nrt").indexOf(escaped);
            if (known < 0)
                return std::nullopt;
            c = QStringLiteral("\"\\\n\r\t")[known];
        }
        text += c;
    }
    return text;
}

std::optional<QVariant> valueOf(const QString& text)
{
    if (text.startsWith(QLatin1Char('"'))) {
        const std::optional<QString> string = unquoted(text);
        return string ? std::optional<QVariant>(*string) : std::nullopt;
    }
    bool ok = false;
    const qint64 number = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toLongLong(&ok, 16)
                                                                                    : text.toLongLong(&ok, 10);
    return ok ? std::optional<QVariant>(QVariant(number)) : std::nullopt;
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"))
        .replace(QLatin1String("\""), QLatin1String("\\\""))
        .replace(QLatin1String("\n"), QLatin1String("\\n"))
        .replace(QLatin1String("\r"), QLatin1String("\\r"))
        .replace(QLatin1String("\t"), QLatin1String("\\t"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString formatted(const QVariant& value)
{
    if (value.typeId() == QMetaType::LongLong)
        return QString::number(value.toLongLong());
    return quoted(value.toString());
}

bool fail(QString* error, int lineNumber, const QString& what)
{
    if (error != nullptr)
        *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
    return false;
}

bool parseLine(const QString& line, int lineNumber, std::vector<PropertySet>& sets, QString* error)
{
    static const QRegularExpression section(QStringLiteral("^\\[([^\\]]+)\\]$"));
    static const QRegularExpression entry(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(.*)$"));
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return true;
    if (const QRegularExpressionMatch match = section.match(line); match.hasMatch()) {
        sets.push_back({match.captured(1).trimmed(), {}});
        return true;
    }
    const QRegularExpressionMatch match = entry.match(line);
    if (!match.hasMatch())
        return fail(error, lineNumber, QStringLiteral("expected [name] or key = value"));
    if (sets.empty())
        return fail(error, lineNumber, QStringLiteral("a value before the first [name]"));
    const std::optional<QVariant> value = valueOf(match.captured(2));
    if (!value)
        return fail(error, lineNumber, QStringLiteral("a value that is neither a number nor quoted text"));
    sets.back().bag.write(match.captured(1), *value);
    return true;
}

} // namespace

std::optional<std::vector<PropertySet>> parsePropertySets(const QString& text, QString* error)
{
    std::vector<PropertySet> sets;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!parseLine(lines[i].trimmed(), i + 1, sets, error))
            return std::nullopt;
    }
    return sets;
}

QString formatPropertySets(const std::vector<PropertySet>& sets)
{
    QString text;
    for (const PropertySet& set : sets) {
        text += QLatin1Char('[') + set.name + QLatin1String("]\n");
        for (const QString& key : set.bag.keys())
            text += key + QLatin1String(" = ") + formatted(set.bag.read(key, {})) + QLatin1Char('\n');
    }
    return text;
}

std::optional<std::vector<PropertySet>> loadPropertySets(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr)
            *error = file.errorString();
        return std::nullopt;
    }
    return parsePropertySets(QString::fromUtf8(file.readAll()), error);
}

const PropertySet* findPropertySet(const std::vector<PropertySet>& sets, const QString& name)
{
    for (const PropertySet& set : sets) {
        if (set.name.compare(name, Qt::CaseInsensitive) == 0)
            return &set;
    }
    return nullptr;
}

} // namespace cvbutton
