#include "chat/ChatForms.h"

#include "settings/SettingsFile.h"

#include <array>

namespace ChatForms {

namespace {

constexpr int FieldCount = 6;
constexpr int MaxCaptionFilterText = 100;

} // namespace

Form formFromChoices(const Choices& choices)
{
    Form form;
    for (const QString& keyword : ChatFilter::keywords()) {
        if (choices.keywords.contains(keyword))
            form.filter.add(keyword);
    }
    form.filter.setAcceptAll(choices.keywords.contains(ChatFilter::AllMessages));
    for (const QString& user : choices.users.trimmed().split(u' ', Qt::SkipEmptyParts))
        form.filter.add(user.trimmed());
    for (const QString& word : choices.channels.trimmed().split(u' ', Qt::SkipEmptyParts)) {
        const QString channel = word.trimmed();
        form.filter.add(channel.startsWith(u'(') ? channel : u'(' + channel + u')');
    }
    form.caption = choices.title.trimmed().isEmpty()
                       ? QStringLiteral("Filtered Chat: ") +
                             form.filter.filterText().left(MaxCaptionFilterText)
                       : choices.title;
    return form;
}

QString formatValue(const Form& form)
{
    QString caption = form.caption;
    caption.replace(u'|', u' ');
    return QStringList{caption,
                       form.filter.filterText(),
                       QString::number(form.bounds.left()),
                       QString::number(form.bounds.top()),
                       QString::number(form.bounds.width()),
                       QString::number(form.bounds.height())}
        .join(u'|');
}

std::optional<Form> parseValue(const QString& value)
{
    const QStringList fields = value.split(u'|', Qt::SkipEmptyParts);
    if (fields.size() != FieldCount)
        return std::nullopt;
    std::array<int, 4> bounds{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        bounds[std::size_t(i)] = fields.at(2 + i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return Form{fields.at(0).trimmed(), ChatFilter::fromText(fields.at(1)),
                QRect(bounds[0], bounds[1], bounds[2], bounds[3])};
}

QList<Form> load(const SettingsFile& file)
{
    QStringList lines;
    LoadSection(file, Section, lines);
    QList<Form> forms;
    for (const QString& line : lines) {
        // The value as the settings rules read it (quotes stripped).
        const QString key = line.section(u'=', 0, 0);
        if (const std::optional<Form> form = parseValue(file.readString(Section, key, QString())))
            forms.append(*form);
    }
    return forms;
}

void store(SettingsFile& file, const QList<Form>& forms)
{
    QStringList lines;
    for (qsizetype i = 0; i < forms.size(); ++i)
        lines.append(QString::number(i + 1) + u'=' + formatValue(forms.at(i)));
    StoreSection(file, Section, lines);
}

} // namespace ChatForms
