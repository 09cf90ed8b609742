// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearcli.h"

#include "birthdayrender.h"
#include "datafolder.h"
#include "germandate.h"
#include "monthmarks.h"
#include "dialogs.h"
#include "namelist.h"
#include "table.h"
#include "yearpages.h"
#include "yearrender.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace zuv::yearcal {

using zuv::core::Error;

namespace {

struct OptionDef {
    const char* name;
    const char* value;   // name of the value in the help, nullptr: takes none
    const char* help;
};
// Every option, in the order --help lists them.
constexpr OptionDef kOptions[] = {
    {"--jahreskalender", "JAHR", "Jahr des Kalenders (1 bis 9999)"},
    {"--region", "REGION", "Bundesland oder Region: Kürzel (BY, NW, A, W ...) oder Name"},
    {"--bilder", "ORDNER", "Bilder aus ORDNER nach Namen sortiert, eines je Monat"},
    {"--projekt", "DATEI", "gespeichertes Jahreskalender-Projekt (statt --bilder)"},
    {"--pdf", "DATEI", "Zieldatei: PDF mit Titelseite und zwölf Monaten"},
    {"--person", "NAME", "Biorhythmus und kritische Tage dieser Person der Namensliste"},
    {"--ohne-geburtstage", nullptr, "keine Geburtstage der Namensliste eintragen"},
    {"--ohne-kritische-tage", nullptr, "keine kritischen Tage eintragen"},
    {"--intuitiv", nullptr, "auch den intuitiven Rhythmus bei den kritischen Tagen"},
    {"--mondphasen", nullptr, "Mondphasen in den Tagen und als Zeile unter den Feiertagen"},
    {"--region2", "REGION", "Feiertage einer zweiten Region, eigene mit Kürzel markiert"},
    {"--brueckentage", nullptr, "Brückentage markieren und auflisten"},
    {"--geburtstagskalender", nullptr, "immerwährender Geburtstagskalender statt Jahreskalender"},
    {"--help", nullptr, "diese Hilfe (auch -h)"},
};

const OptionDef* findOption(const QString& name)
{
    for (const OptionDef& o : kOptions)
        if (name == QLatin1String(o.name))
            return &o;
    if (name == QLatin1String("-h"))
        return &kOptions[std::size(kOptions) - 1];
    return nullptr;
}

[[noreturn]] void usage(const QString& message)
{
    throw Error(message + QStringLiteral("\nMehr mit: zuvododerod --help"));
}

struct Failure {
    int status;
    QString message;
};

YearProject projectOf(const CommandLine& line, const std::vector<Person>& people)
{
    YearProject project;
    if (!line.projectFile.isEmpty()) {
        try {
            project = loadProject(line.projectFile);
        } catch (const Error& e) {
            throw Failure{kExitInput, e.message()};
        }
    }
    if (line.year)
        project.year = *line.year;
    if (!line.region.isEmpty()) {
        const std::optional<Region> region = findRegion(line.region);
        if (!region) {
            QStringList codes;
            for (const Region& r : yearRegions())
                codes << r.code;
            throw Failure{kExitUsage, QStringLiteral("Unbekannte Region \"%1\". Möglich sind: %2")
                                          .arg(line.region, codes.join(QStringLiteral(", ")))};
        }
        project.regionCode = region->code;
    }
    if (!line.pictureFolder.isEmpty()) {
        try {
            project.pictures = onePicturePerMonth(picturesInFolder(line.pictureFolder));
        } catch (const Error& e) {
            throw Failure{kExitInput, e.message()};
        }
    }
    if (!line.person.isEmpty()) {
        auto it = std::find_if(people.begin(), people.end(), [&](const Person& p) {
            return p.name.compare(line.person, Qt::CaseInsensitive) == 0;
        });
        if (it == people.end())
            throw Failure{kExitUsage,
                          QStringLiteral("\"%1\" steht nicht in der Namensliste.").arg(line.person)};
        if (!it->birthDate.isValid())
            throw Failure{kExitUsage, QStringLiteral("\"%1\" hat kein Geburtsdatum.").arg(it->name)};
        project.person = *it;
    }
    if (line.noBirthdays)
        project.birthdays = false;
    if (line.noCriticalDays)
        project.criticalDays = false;
    if (line.intuitive)
        project.intuitive = true;
    if (line.moonPhases)
        project.moonPhases = true;
    if (line.bridgeDays)
        project.bridgeDays = true;
    if (!line.secondRegion.isEmpty()) {
        const std::optional<Region> second = findRegion(line.secondRegion);
        project.secondRegion = second ? second->code : line.secondRegion;
        try {
            zuv::daymarks::checkSecondRegion(project.regionCode, project.secondRegion);
        } catch (const Error& e) {
            throw Failure{kExitUsage, e.message()};
        }
    }
    return project;
}

int runBirthdayCalendar(const CommandLine& line, const YearProject& project,
                       const std::vector<Person>& people, QTextStream& out, QTextStream& err)
{
    BirthdayCalendar calendar = buildBirthdayCalendar(people, project.pictures);
    calendar.titleFont = project.titleFont;
    std::vector<PictureProblem> problems;
    try {
        writeBirthdayPdf(line.pdf, calendar, problems);
    } catch (const Error& e) {
        throw Failure{kExitOutput, e.message()};
    }
    for (const PictureProblem& p : problems)
        err << QStringLiteral("Warnung: ") << (p.month == 0 ? QStringLiteral("Titelseite")
                                                             : zuv::core::monthName(p.month))
            << QStringLiteral(": ") << QString(p.message).replace(QLatin1Char('\n'), QLatin1Char(' '))
            << '\n';
    out << QStringLiteral("Geburtstagskalender mit %1 Seiten gespeichert: %2\n")
               .arg(calendar.pageCount())
               .arg(QDir::toNativeSeparators(line.pdf));
    out.flush();
    err.flush();
    return kExitOk;
}

} // namespace

bool wantsCommandLine(const QStringList& arguments)
{
    for (const QString& a : arguments)
        if (findOption(a.section(QLatin1Char('='), 0, 0)))
            return true;
    return false;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments[i];
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        const OptionDef* option = findOption(name);
        if (!option)
            usage(QStringLiteral("Unbekanntes Argument \"%1\".").arg(arg));
        const bool inlineValue = arg.contains(QLatin1Char('='));
        QString value;
        if (option->value) {
            if (inlineValue)
                value = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.isEmpty())
                usage(QStringLiteral("Bei %1 fehlt der Wert.").arg(name));
        } else if (inlineValue) {
            usage(QStringLiteral("%1 nimmt keinen Wert.").arg(name));
        }

        const QLatin1String n(option->name);
        if (n == QLatin1String("--help")) {
            line.help = true;
        } else if (n == QLatin1String("--jahreskalender")) {
            bool ok = false;
            const int year = value.toInt(&ok);
            if (!ok || year < 1 || year > 9999)
                usage(QStringLiteral("Das Jahr \"%1\" ist ungültig: erlaubt sind 1 bis 9999.").arg(value));
            line.year = year;
        } else if (n == QLatin1String("--region")) {
            line.region = value;
        } else if (n == QLatin1String("--bilder")) {
            line.pictureFolder = value;
        } else if (n == QLatin1String("--projekt")) {
            line.projectFile = value;
        } else if (n == QLatin1String("--pdf")) {
            line.pdf = value;
        } else if (n == QLatin1String("--person")) {
            line.person = value;
        } else if (n == QLatin1String("--ohne-geburtstage")) {
            line.noBirthdays = true;
        } else if (n == QLatin1String("--ohne-kritische-tage")) {
            line.noCriticalDays = true;
        } else if (n == QLatin1String("--intuitiv")) {
            line.intuitive = true;
        } else if (n == QLatin1String("--mondphasen")) {
            line.moonPhases = true;
        } else if (n == QLatin1String("--region2")) {
            line.secondRegion = value;
        } else if (n == QLatin1String("--brueckentage")) {
            line.bridgeDays = true;
        } else if (n == QLatin1String("--geburtstagskalender")) {
            line.birthdayCalendar = true;
        }
    }
    if (line.help)
        return line;
    if (!line.pictureFolder.isEmpty() && !line.projectFile.isEmpty())
        usage(QStringLiteral("--bilder und --projekt schließen sich aus."));
    if (line.pdf.isEmpty() && line.birthdayCalendar)
        usage(QStringLiteral("Geben Sie die Zieldatei an: --pdf DATEI."));
    if (line.birthdayCalendar)
        return line;   // no year, no region: it serves for every year
    if (!line.year && line.projectFile.isEmpty())
        usage(QStringLiteral("Geben Sie das Jahr an: --jahreskalender JAHR."));
    if (line.region.isEmpty() && line.projectFile.isEmpty())
        usage(QStringLiteral("Geben Sie die Region an: --region REGION."));
    if (line.pdf.isEmpty())
        usage(QStringLiteral("Geben Sie die Zieldatei an: --pdf DATEI."));
    return line;
}

QString helpText()
{
    QString text = QStringLiteral(
        "Aufruf: zuvododerod --jahreskalender JAHR --region REGION [--bilder ORDNER] --pdf DATEI\n"
        "        zuvododerod --projekt DATEI [--jahreskalender JAHR] [--region REGION] --pdf DATEI\n"
        "        zuvododerod --geburtstagskalender [--bilder ORDNER | --projekt DATEI] --pdf DATEI\n"
        "\n"
        "Erzeugt ohne Fenster einen Jahreskalender als PDF: eine Titelseite mit dem Jahr und dem\n"
        "ersten Bild des Januars, dann Januar bis Dezember mit Kalenderwochen, den Feiertagen der\n"
        "Region und den Geburtstagen der Namensliste.\n"
        "\n"
        "Optionen:\n");
    for (const OptionDef& o : kOptions) {
        const QString call = QLatin1String(o.name)
            + (o.value ? QLatin1Char(' ') + QLatin1String(o.value) : QString());
        text += QStringLiteral("  %1  %2\n").arg(call, -28).arg(QString::fromUtf8(o.help));
    }
    text += QStringLiteral("\nRegionen:\n");
    for (const Region& r : yearRegions())
        text += QStringLiteral("  %1  %2\n").arg(r.code, -3).arg(r.name);
    text += QStringLiteral(
        "\nEin Bild, das fehlt oder nicht gelesen werden kann, bleibt mit einer Meldung leer;\n"
        "der Kalender wird trotzdem geschrieben.\n"
        "\nRückgabewerte:\n"
        "  0  Kalender geschrieben\n"
        "  2  falsche Argumente, unbekannte oder doppelte Region oder ungültiges Jahr\n"
        "  3  Bilderordner oder Projekt fehlt oder kann nicht gelesen werden\n"
        "  4  die PDF-Datei kann nicht geschrieben werden\n");
    return text;
}

int runCommandLine(const CommandLine& line, const std::vector<Person>& people, QTextStream& out,
                   QTextStream& err)
{
    if (line.help) {
        out << helpText();
        out.flush();
        return kExitOk;
    }
    try {
        const YearProject project = projectOf(line, people);
        if (line.birthdayCalendar)
            return runBirthdayCalendar(line, project, people, out, err);
        YearDocument doc;
        try {
            doc = buildYearDocument(project, people);
        } catch (const Error& e) {
            throw Failure{kExitUsage, e.message()};
        }
        std::vector<PictureProblem> problems;
        try {
            writeYearPdf(line.pdf, doc, zuv::photo::CalendarReport(), problems);
        } catch (const Error& e) {
            throw Failure{kExitOutput, e.message()};
        }
        for (const PictureProblem& p : problems)
            err << QStringLiteral("Warnung: ")
                << problemText(p, project.year).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
        out << QStringLiteral("Jahreskalender %1 mit %2 Seiten gespeichert: %3\n")
                   .arg(project.year)
                   .arg(doc.pageCount())
                   .arg(QDir::toNativeSeparators(line.pdf));
        out.flush();
        err.flush();
        return kExitOk;
    } catch (const Failure& f) {
        err << QStringLiteral("Fehler: ") << f.message << '\n';
        err.flush();
        return f.status;
    }
}

int runCommandLine(int argc, char** argv, void (*setupFonts)())
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine line;
    try {
        line = parseCommandLine(arguments);
    } catch (const Error& e) {
        err << QStringLiteral("Fehler: ") << e.message() << '\n';
        return kExitUsage;
    }
    if (line.help)
        return runCommandLine(line, {}, out, err);

    // Batch use needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Zuvododerod"));
    if (setupFonts)
        setupFonts();

    std::vector<Person> people;
    zuv::core::Table names(QStringLiteral("CDSNamensliste"));
    const QString nameFile = zuv::core::userDataPath(QStringLiteral("Namensliste"));
    if (QFileInfo(nameFile).isFile()) {
        try {
            names.setFileName(nameFile);
            names.loadFromFile();
            people = peopleOf(names);
        } catch (const std::exception&) {
            err << QStringLiteral("Warnung: Die Namensliste kann nicht gelesen werden; der "
                                  "Kalender erscheint ohne Geburtstage.\n");
        }
    }
    return runCommandLine(line, people, out, err);
}

} // namespace zuv::yearcal
