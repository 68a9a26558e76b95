#include "render_options.h"

#include <QRegularExpression>

namespace {

const QStringList kStates = {"normal", "hot", "pressed", "disabled", "defaulted"};

std::optional<QSize> sizeOf(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || match.captured(1).toInt() == 0 || match.captured(2).toInt() == 0)
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<platform::Colorref> colorOf(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const uint rrggbb = match.captured(1).toUInt(nullptr, 16);
    return platform::rgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF),
                         static_cast<int>(rrggbb & 0xFF));
}

std::optional<std::array<platform::Colorref, 4>> colorsOf(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    std::array<platform::Colorref, 4> colors{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<platform::Colorref> color = colorOf(parts[i].trimmed());
        if (!color)
            return std::nullopt;
        colors[static_cast<std::size_t>(i)] = *color;
    }
    return colors;
}

// Takes the value of an option that needs one; false when the command line ends first.
bool takeValue(const QStringList& arguments, int& i, QString& value)
{
    if (i + 1 >= arguments.size())
        return false;
    value = arguments[++i];
    return true;
}

bool fail(QString* error, const QString& reason)
{
    *error = reason;
    return false;
}

bool applyOption(const QStringList& arguments, int& i, RenderOptions& options, QString* error)
{
    const QString& option = arguments[i];
    if (option == QLatin1String("--focus")) {
        options.focus = true;
        return true;
    }
    if (option == QLatin1String("--show-focus")) {
        options.showFocus = true;
        return true;
    }
    if (option == QLatin1String("--display-as-default")) {
        options.displayAsDefault = true;
        return true;
    }
    QString value;
    if (!takeValue(arguments, i, value))
        return fail(error, option + QStringLiteral(" needs a value"));
    if (option == QLatin1String("--caption")) {
        options.caption = value;
    } else if (option == QLatin1String("--size")) {
        const std::optional<QSize> size = sizeOf(value);
        if (!size)
            return fail(error, QStringLiteral("--size takes WxH, for example 75x23"));
        options.size = *size;
    } else if (option == QLatin1String("--style")) {
        bool ok = false;
        options.style = value.toInt(&ok);
        if (!ok)
            return fail(error, QStringLiteral("--style takes a whole number"));
    } else if (option == QLatin1String("--state")) {
        if (!kStates.contains(value))
            return fail(error, QStringLiteral("--state takes one of ") + kStates.join(QLatin1Char(' ')));
        options.state = static_cast<int>(kStates.indexOf(value)) + 1;
    } else if (option == QLatin1String("--custom-colors")) {
        options.customColors = colorsOf(value);
        if (!options.customColors)
            return fail(error, QStringLiteral("--custom-colors takes four #RRGGBB colours separated by commas"));
    } else {
        return fail(error, QStringLiteral("unknown option ") + option);
    }
    return true;
}

} // namespace

std::optional<RenderOptions> parseRenderOptions(const QStringList& arguments, QString* error)
{
    RenderOptions options;
    bool styleGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1String("--"))) {
            if (!options.output.isEmpty()) {
                *error = QStringLiteral("more than one output file");
                return std::nullopt;
            }
            options.output = arguments[i];
            continue;
        }
        styleGiven = styleGiven || arguments[i] == QLatin1String("--style");
        if (!applyOption(arguments, i, options, error))
            return std::nullopt;
    }
    if (options.output.isEmpty() || options.size.isEmpty() || !styleGiven) {
        *error = QStringLiteral("the output file, --size and --style are needed");
        return std::nullopt;
    }
    return options;
}
