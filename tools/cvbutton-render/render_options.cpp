// Reading cvbutton-render's command line into what to paint.
#include "render_options.h"

#include <QRegularExpression>

#include <utility>

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

bool* switchOf(const QString& option, RenderOptions& options)
{
    const std::pair<const char*, bool*> switches[] = {
        {"--focus", &options.focus},
        {"--show-focus", &options.showFocus},
        {"--display-as-default", &options.displayAsDefault},
        {"--use-mask-color", &options.useMaskColor},
        {"--check", &options.check},
        {"--value", &options.value},
        {"--right-to-left", &options.rightToLeft},
        {"--no-themes", &options.noThemes},
        {"--shape", &options.shape},
    };
    for (const auto& [name, flag] : switches)
        if (option == QLatin1String(name))
            return flag;
    return nullptr;
}

int* numberOf(const QString& option, RenderOptions& options)
{
    const std::pair<const char*, int*> numbers[] = {
        {"--style", &options.style},
        {"--icon-align", &options.iconAlign},
        {"--icon-size", &options.iconSize},
        {"--caption-align", &options.captionAlign},
    };
    for (const auto& [name, number] : numbers)
        if (option == QLatin1String(name))
            return number;
    return nullptr;
}

bool applyOption(const QStringList& arguments, int& i, RenderOptions& options, QString* error)
{
    const QString& option = arguments[i];
    if (bool* flag = switchOf(option, options)) {
        *flag = true;
        return true;
    }
    if (option == QLatin1String("--disabled")) {
        options.state = 4;
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
    } else if (int* number = numberOf(option, options)) {
        bool ok = false;
        *number = value.toInt(&ok);
        if (!ok)
            return fail(error, option + QStringLiteral(" takes a whole number"));
    } else if (option == QLatin1String("--icon")) {
        options.icon = value;
    } else if (option == QLatin1String("--mask-color")) {
        options.maskColor = colorOf(value);
        if (!options.maskColor)
            return fail(error, QStringLiteral("--mask-color takes #RRGGBB"));
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
