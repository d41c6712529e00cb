#include "CommandLine.h"

#include "AuditCommand.h"
#include "CheckTicketsCommand.h"
#include "WheelCommand.h"
#include "session/TableExport.h"
#include "storage/DrawFile.h"
#include "storage/InputFile.h"
#include "storage/IoError.h"
#include "tables/DrawTableReader.h"
#include "tables/DrawTableSummary.h"
#include "wording/RussianCount.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kMisused = 2;

void Print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

void PrintUtf8(std::FILE* to, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), to);
    std::fflush(to);
}

bool IsFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

// Why a file could not be written, in Russian (the window's error box keeps its own texts).
QString WriteReason(const QString& path, int code) {
    switch (code) {
    case lottery::io_code::kFileNotFound:
        return QStringLiteral("нет такой папки");
    case lottery::io_code::kInvalidFilename:
        return QStringLiteral("недопустимое имя файла");
    case lottery::io_code::kTooManyOpenFiles:
        return QStringLiteral("открыто слишком много файлов");
    case lottery::io_code::kAccessDenied:
        return IsFolder(path) ? QStringLiteral("это папка, а не файл")
                              : QStringLiteral("нет доступа");
    case lottery::io_code::kDiskFull:
        return QStringLiteral("диск переполнен");
    default:
        return QStringLiteral("ошибка ввода-вывода %1").arg(code);
    }
}

void ReportWriteFailure(const QString& path, const lottery::IoError& error) {
    Print(
        stderr,
        QStringLiteral("Не удалось записать %1: %2\n").arg(path, WriteReason(path, error.code())));
}

// The whole file, read only; nullopt (reported) when it cannot or may not be read.
std::optional<std::string> ReadInput(const QString& path) {
    try {
        return lottery::ReadInputFile(path.toStdString());
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("%1: %2\n").arg(path, QString::fromUtf8(error.what())));
        return std::nullopt;
    }
}

// Writing the output over the input would lose the input: refused before anything is read.
bool RefusedAsOwnInput(const QString& input, const QString& output) {
    if (!lottery::SameExistingFile(input.toStdString(), output.toStdString()))
        return false;
    Print(stderr, QStringLiteral("%1 и %2 — один и тот же файл: результат записался бы поверх "
                                 "исходного файла. Укажите другой файл для записи.\n")
                      .arg(input, output));
    return true;
}

bool IsDatabase(const std::string& bytes) {
    return lottery::IsDrawFileContent(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

int Import(const QString& tablePath, const QString& outPath, const QString& shapeText) {
    lottery::TableChoice choice;
    if (!shapeText.isEmpty()) {
        const auto match = QRegularExpression(QStringLiteral("^(\\d+)/(\\d+)$")).match(shapeText);
        if (!match.hasMatch()) {
            Print(
                stderr,
                QStringLiteral("Неверная лотерея «%1»: нужно K/N, например 6/49\n").arg(shapeText));
            return kMisused;
        }
        choice.K = match.captured(1).toInt();
        choice.N = match.captured(2).toInt();
    }
    if (RefusedAsOwnInput(tablePath, outPath))
        return kFailed;
    const auto bytes = ReadInput(tablePath);
    if (!bytes)
        return kFailed;
    if (IsDatabase(*bytes)) {
        Print(stderr, QStringLiteral("%1 — база лотереи, а не таблица тиражей: её открывают "
                                     "как есть, а таблицей её записывает --export.\n")
                          .arg(tablePath));
        return kFailed;
    }
    const lottery::DrawTable table = lottery::ReadDrawTable(*bytes, choice);
    if (!table.usable()) {
        // The reason first, in one line; a few of the lines behind it, not thousands.
        constexpr std::size_t kNotesOnFailure = 5;
        PrintUtf8(stderr, lottery::DrawTableSummary(table, kNotesOnFailure));
        return kFailed;
    }
    // Enough lines to see what went wrong with a table, not a copy of a damaged one: a column of
    // unreadable dates gives a note a line, and millions of them would fill memory and the screen.
    constexpr std::size_t kNotesOnSuccess = 100;
    const std::string summary = lottery::DrawTableSummary(table, kNotesOnSuccess);
    try {
        lottery::WriteDrawFile(outPath.toStdString(), table.draws, table.shape, {});
    } catch (const lottery::IoError& error) {
        ReportWriteFailure(outPath, error);
        return kFailed;
    }
    PrintUtf8(stdout, summary);
    Print(stdout, QStringLiteral("Записано: %1\n").arg(outPath));
    return 0;
}

int Export(const QString& databasePath, const QString& outPath) {
    // Read only: exporting never needs to write to the database, so a read-only one will do.
    if (RefusedAsOwnInput(databasePath, outPath))
        return kFailed;
    const auto bytes = ReadInput(databasePath);
    if (!bytes)
        return kFailed;
    lottery::DrawFileContent content;
    try {
        content = lottery::DecodeDrawFile(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
    } catch (const lottery::IoError&) {
        // Only a file shorter than one record fails so.
        Print(stderr, QStringLiteral("Не удалось прочитать %1: файл короче одной записи — не база "
                                     "лотереи\n")
                          .arg(databasePath));
        return kFailed;
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("Не удалось прочитать %1: %2\n")
                          .arg(databasePath, QString::fromUtf8(error.what()).toLower()));
        return kFailed;
    }
    try {
        session::ExportDrawTable(outPath.toStdString(), content.draws, content.shape);
    } catch (const lottery::IoError& error) {
        ReportWriteFailure(outPath, error);
        return kFailed;
    }
    Print(stdout, QStringLiteral("Лотерея %1 из %2, тиражей: %3\nЗаписано: %4\n")
                      .arg(content.shape.K)
                      .arg(content.shape.N)
                      .arg(QString::fromStdString(wording::GroupedNumber(
                               static_cast<long long>(content.draws.size()))),
                           outPath));
    return 0;
}

QString HelpText() {
    return QStringLiteral(
               "Жребикон: статистика числовых лотерей «K из N».\n\n"
               "  Zhrebikon [FILE]\n"
               "      Открывает окно; FILE (база лотереи .dat или таблица тиражей .csv, .txt)\n"
               "      открывается, как через «Открыть».\n"
               "  Zhrebikon --import TABLE OUT.dat [--shape K/N]\n"
               "      Читает таблицу тиражей и записывает базу лотереи, без окна. Печатает, что\n"
               "      взято: лотерею, число тиражей, столбцы, порядок и строки, которые не взяты.\n"
               "      --shape задаёт лотерею (например 6/49) вместо найденной.\n"
               "  Zhrebikon --export FILE.dat OUT.csv\n"
               "      Записывает тиражи базы таблицей CSV, без окна.\n") +
           QString::fromUtf8(kWheelHelp) +
           QStringLiteral(
               "  Zhrebikon --audit FILE.dat [--last M] [--json]\n"
               "      Проверяет, похожи ли тиражи базы на честную случайную лотерею: частота\n"
               "      чисел, пары, повторы из прошлого тиража, промежутки, соседние числа, сумма,\n"
               "      чётные и малые числа, и общий итог на уровне 99 %. --last M — только\n"
               "      последние M тиражей; --json — то же для программ. База только читается.\n"
               "  Zhrebikon --check-tickets TICKETS FILE.dat [--json]\n"
               "      Проверяет набор билетов (.tickets или таблица билетов) по всем тиражам\n"
               "      базы: сколько раз совпало 0, 1, ..., K номеров и сколько даёт случай, а\n"
               "      если у набора есть цены — потрачено, выиграно и итог. --json печатает\n"
               "      {\"tickets\": n, \"draws\": d, \"matches\": {...}, \"expected\": {...}}.\n"
               "  Zhrebikon --help | --version\n"
               "  Ключи Qt (-style fusion, -platform xcb, -reverse, ...) передаются окну.\n\n"
               "Файл записывается целиком или не записывается вовсе. Код выхода 0 — сделано,\n"
               "1 — не удалось (причина напечатана), 2 — неверные аргументы.\n");
}

// The first argument naming a command of plain C++ decides which one runs; nullopt when none
// does.
std::optional<int> RunPlainCommand(const std::vector<std::string>& plain) {
    for (const std::string& arg : plain) {
        const std::string name = arg.substr(0, arg.find('='));
        if (name == "--wheel")
            return RunWheel(plain, std::cout, std::cerr);
        if (name == "--check-wheel")
            return RunCheckWheel(plain, std::cout, std::cerr);
        if (name == "--audit" || name == "--check-tickets") {
            // These read the arguments around their own name.
            std::vector<std::string> rest;
            std::copy_if(plain.begin(), plain.end(), std::back_inserter(rest),
                         [&arg](const std::string& other) { return &other != &arg; });
            return name == "--audit" ? RunAudit(rest, std::cout, std::cerr)
                                     : RunCheckTickets(rest, std::cout, std::cerr);
        }
    }
    return std::nullopt;
}

// What the arguments ask for, read by hand so that every message is Russian and names the
// option as it was typed.
struct Arguments {
    bool help = false;
    bool version = false;
    bool import = false;
    bool exportTable = false;
    std::optional<QString> shape;
    QStringList files;
    QString mistake; // set when the arguments cannot be used
};

// Qt's own options, which the application object takes (a value follows those marked so).
bool IsToolkitOption(const QString& argument, bool& takesValue) {
    static const QStringList withValue{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
        QStringLiteral("stylesheet"),      QStringLiteral("display"),
        QStringLiteral("geometry"),        QStringLiteral("title"),
        QStringLiteral("session"),         QStringLiteral("qmljsdebugger")};
    static const QStringList alone{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"), QStringLiteral("dograb"),
                                   QStringLiteral("sync")};
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    const bool joined = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    takesValue = withValue.contains(name) && !joined;
    return withValue.contains(name) || (alone.contains(name) && !joined);
}

Arguments ReadArguments(const QStringList& arguments) {
    Arguments read;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size() && read.mistake.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        bool takesValue = false;
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) ||
            argument == QStringLiteral("-")) {
            read.files << argument;
        } else if (argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            read.help = true;
        } else if (argument == QStringLiteral("-v") || argument == QStringLiteral("--version")) {
            read.version = true;
        } else if (argument == QStringLiteral("--import")) {
            read.import = true;
        } else if (argument == QStringLiteral("--export")) {
            read.exportTable = true;
        } else if (argument.startsWith(QStringLiteral("--shape="))) {
            read.shape = argument.section(QLatin1Char('='), 1);
        } else if (argument == QStringLiteral("--shape")) {
            if (i + 1 < arguments.size())
                read.shape = arguments[++i];
            else
                read.mistake =
                    QStringLiteral("После «%1» нужна лотерея K/N, например 6/49").arg(argument);
        } else if (IsToolkitOption(argument, takesValue)) {
            i += takesValue ? 1 : 0; // for the application object, which reads argv itself
        } else {
            read.mistake = QStringLiteral("Неизвестный ключ «%1»").arg(argument);
        }
    }
    return read;
}

} // namespace

CommandLine RunCommandLine(int argc, char** argv) {
    // The commands of plain C++ read their own arguments, without Qt.
    const std::vector<std::string> plain(argv + std::min(argc, 1), argv + argc);
    if (const std::optional<int> finished = RunPlainCommand(plain)) {
        CommandLine command;
        command.finished = finished;
        return command;
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Arguments read = ReadArguments(arguments);
    CommandLine command;
    const bool console = !read.mistake.isEmpty() || read.help || read.version || read.import ||
                         read.exportTable || read.shape || read.files.size() > 1;
    if (!console) {
        if (!read.files.isEmpty())
            command.fileToOpen = read.files.constFirst();
        return command;
    }

    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    if (!read.mistake.isEmpty()) {
        Print(stderr, read.mistake + QStringLiteral("; см. --help\n"));
        command.finished = kMisused;
    } else if (read.help) {
        Print(stdout, HelpText());
        command.finished = 0;
    } else if (read.version) {
        Print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        command.finished = 0;
    } else if (read.import != read.exportTable && read.files.size() == 2 &&
               (read.import || !read.shape)) {
        command.finished =
            read.import ? Import(read.files[0], read.files[1], read.shape.value_or(QString()))
                        : Export(read.files[0], read.files[1]);
    } else {
        Print(stderr, QStringLiteral("Нужно: --import TABLE OUT.dat [--shape K/N], "
                                     "--export FILE.dat OUT.csv или один FILE; см. --help\n"));
        command.finished = kMisused;
    }
    return command;
}
