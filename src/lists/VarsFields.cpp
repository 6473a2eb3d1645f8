#include "lists/VarsFields.h"

#include "lists/VarsHelpText.h"

namespace VarsFields {

namespace {

const QStringList NoYes{QStringLiteral("No"), QStringLiteral("Yes")};

Field index(const char* name, const char* label, const char* control, const char* marker,
            const QStringList& choices = NoYes)
{
    const QString n = QLatin1String(name);
    return {n, QLatin1String(label), QLatin1String(control), Kind::Index, choices,
            marker ? QStringLiteral("<<%1>>,%2").arg(QLatin1String(marker), n) : QString()};
}

Field text(const char* name, const char* label, const char* control, const char* marker,
           const QStringList& suggestions = {})
{
    const QString n = QLatin1String(name);
    return {n, QLatin1String(label), QLatin1String(control), Kind::Text, suggestions,
            QStringLiteral("<<%1>>,%2").arg(QLatin1String(marker), n)};
}

Field note(const QString& name, const QString& label, const QString& control)
{
    return {name, label, control, Kind::Note, {}, QStringLiteral("<<FORMULA>>,Formula")};
}

QList<Field> buildFields()
{
    QList<Field> fields{
        text("time", "Time", "cmbTime", "TIME", {"2", "3", "5", "15", "20", "25"}),
        text("inc", "Increment", "cmbInc", "INCREMENT", {"0", "1", "5", "12"}),
        index("rated", "Rated", "cmbRated", "RATED"),
        index("open", "Open", "cmbOpen", "OPEN"),
        index("bugopen", "Bug Open", "cmbBugOpen", nullptr),
        index("tourney", "Tourney", "cmbTourney", "TOURNEY"),
        index("provshow", "Provisional Show", "cmbProvShow", "PROVSHOW"),
        text("Lang", "Language", "cmbLang", "LANGUAGE",
             {"English", "Spanish", "French", "German", "Italian"}),
        index("autoflag", "Auto Flag", "cmbAutoFlag", "AUTOFLAG"),
        text("minmovetime", "Min Move Time", "cmbMinMovetime", "MINMOVETIME"),
        index("notakeback", "No Take Back", "cmbNotakeback", "NOTAKEBACK"),
        index("private", "Private", "cmbPrivate", "PRIVATE"),
        index("jprivate", "Journal Private", "cmbJPrivate", "JPRIVATE"),
        index("automail", "Auto Mail", "cmbAutoMail", "AUTOMAIL"),
        index("pgn", "PGN", "cmbPGN", "PGN"),
        index("mailmess", "Mail Message", "cmbMailMess", "MAILMESS"),
        index("messreply", "Message Reply", "cmbMessReply", "MESSREPLY"),
        index("unobserve", "Auto Unobserve", "cmbUnObserve", "UNOBSERVE",
              {"0:Start/Examine Game", "1:Start Game", "2:Examine Game", "3:No Auto-Unobserve"}),
        index("shout", "Shout", "cmbShout", "SHOUT"),
        index("cshout", "Chess Shout", "cmbCShout", "CSHOUT"),
        index("kibitz", "Kibitz", "cmbKib", "KIBITZ"),
        text("kiblevel", "Kibitz Level", "cmbKibLevel", "KIBLEVEL",
             {"0", "1000", "1500", "1700", "1800", "2000", "2200", "2500", "2600", "2700"}),
        index("tell", "Tell", "cmbTell", "TELL"),
        index("ctell", "Channel Tell", "cmbCTell", "CTELL"),
        index("chanoff", "Channel Off", "cmbChanOff", "CHANOFF"),
        index("silence", "Silence", "cmbSilence", "SILENCE"),
        index("echo", "Echo", "cmbEcho", "ECHO"),
        index("tolerance", "Tolerance", "cmbTolerance", "TOLERANCE",
              {"0:Extra Clean", "1:Clean ", "2:Some", "3:Moderate", "4:Lenient ", "5:No Censor"}),
        index("pin", "Pin", "cmbPin", "PIN"),
        index("notifiedby", "Notified By", "cmbNotifiedBy", "NOTIFIEDBY"),
        index("availinfo", "Avail Info", "cmbAvailInfo", "AVAILINFO"),
        text("availmin", "Avail Min", "cmbAvailMin", "AVAILMIN"),
        text("availmax", "Avail Max", "cmbAvailMax", "AVAILMAX"),
        index("gin", "Gin", "cmbGin", "GIN"),
        index("seek", "Seek", "cmbSeek", "SEEK"),
        index("showownseek", "Show Own Seek", "cmbShowOwnSeek", "SHOWOWNSEEK"),
        index("examine", "Examine", "cmbExamine", "EXAMINE"),
        index("noescape", "No Escape", "cmbNoEscape", "NOESCAPE"),
        index("flip", "Flip", "cmbFlip", "FLIP"),
        index("highlight", "Highlight", "cmbHighlight", "HIGHLIGHT"),
        index("ptime", "P Time", "cmbPTime", "PTIME"),
        text("tzone", "Time Zone", "cmbTZone", "TZONE"),
        note(QStringLiteral("Formula"), QStringLiteral("Formula"), QStringLiteral("edFormula")),
    };
    // The server sets "ptime" itself; the window shows it only.
    for (Field& field : fields)
        field.readOnly = field.name == QLatin1String("ptime");
    for (int n = 1; n <= 9; ++n)
        fields.append(note(QStringLiteral("f%1").arg(n), QStringLiteral("F%1").arg(n),
                           QStringLiteral("edF%1").arg(n)));
    return fields;
}

} // namespace

const QList<Field>& all()
{
    static const QList<Field> fields = buildFields();
    return fields;
}

int indexOf(const QString& name)
{
    const QList<Field>& fields = all();
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (fields[i].name == name)
            return int(i);
    return -1;
}

const QStringList& sendOrder()
{
    static const QStringList order{
        "f1",        "f2",        "f3",       "f4",         "f5",         "f6",
        "f7",        "f8",        "f9",       "Formula",    "rated",      "open",
        "bugopen",   "tourney",   "provshow", "autoflag",   "minmovetime", "private",
        "jprivate",  "automail",  "pgn",      "mailmess",   "messreply",  "unobserve",
        "shout",     "cshout",    "kibitz",   "tell",       "ctell",      "chanoff",
        "silence",   "echo",      "tolerance", "pin",       "notifiedby", "availinfo",
        "gin",       "seek",      "showownseek", "examine", "noescape",   "flip",
        "highlight", "ptime",     "notakeback", "time",     "inc",        "kiblevel",
        "availmin",  "availmax",  "tzone",    "Lang"};
    return order;
}

QString helpFor(const QString& marker)
{
    if (marker.isEmpty())
        return {};
    const QStringList lines = VarsHelpText::sections().split(u'\n');
    QStringList help;
    bool inSection = false;
    for (const QString& line : lines) {
        if (!inSection) {
            inSection = line.compare(marker, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (line == QLatin1String("<<END>>"))
            break;
        help.append(line);
    }
    return help.join(u'\n');
}

} // namespace VarsFields
