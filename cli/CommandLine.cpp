#include "CommandLine.h"

#include "AuditCommand.h"
#include "CheckTicketsCommand.h"
#include "WheelCommand.h"
#include "storage/AtomicFile.h"
#include "storage/DrawFile.h"
#include "storage/IoError.h"
#include "tables/DrawTableReader.h"
#include "tables/DrawTableSummary.h"
#include "tables/DrawTableWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
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
// No draw table comes near this; a bigger file is not read into memory.
constexpr qint64 kLargestTable = 512LL * 1024 * 1024;

void Print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

void PrintUtf8(std::FILE* to, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), to);
    std::fflush(to);
}

// The whole file, read only; nullopt (reported) when it cannot be read.
std::optional<QByteArray> ReadTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Print(stderr, (file.exists() ? QStringLiteral("Нет доступа к файлу %1\n")
                                     : QStringLiteral("Файла %1 нет\n"))
                          .arg(path));
        return std::nullopt;
    }
    if (file.size() > kLargestTable) {
        Print(stderr, QStringLiteral("%1: файл слишком большой\n").arg(path));
        return std::nullopt;
    }
    return file.readAll();
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
    const auto bytes = ReadTable(tablePath);
    if (!bytes)
        return kFailed;
    const lottery::DrawTable table = lottery::ReadDrawTable(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())), choice);
    const std::string summary = lottery::DrawTableSummary(table);
    if (!table.usable()) {
        PrintUtf8(stderr, summary);
        return kFailed;
    }
    try {
        lottery::WriteDrawFile(outPath.toStdString(), table.draws, table.shape, {});
    } catch (const lottery::IoError& error) {
        Print(stderr, QStringLiteral("Не удалось записать %1: %2\n")
                          .arg(outPath, QString::fromUtf8(error.what())));
        return kFailed;
    }
    PrintUtf8(stdout, summary);
    Print(stdout, QStringLiteral("Записано: %1\n").arg(outPath));
    return 0;
}

int Export(const QString& databasePath, const QString& outPath) {
    // Read only: exporting never needs to write to the database, so a read-only one will do.
    const auto bytes = ReadTable(databasePath);
    if (!bytes)
        return kFailed;
    lottery::DrawFileContent content;
    try {
        content = lottery::DecodeDrawFile(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                      static_cast<std::size_t>(bytes->size())));
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("%1 — не база лотереи: %2\n")
                          .arg(databasePath, QString::fromUtf8(error.what())));
        return kFailed;
    }
    const std::string csv = lottery::DrawTableCsv(content.draws, content.shape);
    try {
        lottery::WriteFileAtomically(
            outPath.toStdString(),
            std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("Не удалось записать %1: %2\n")
                          .arg(outPath, QString::fromUtf8(error.what())));
        return kFailed;
    }
    Print(stdout, QStringLiteral("Лотерея %1 из %2, тиражей: %3\nЗаписано: %4\n")
                      .arg(content.shape.K)
                      .arg(content.shape.N)
                      .arg(content.draws.size())
                      .arg(outPath));
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
               "  Zhrebikon --help | --version\n\n"
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

    QCommandLineParser parser;
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Эта справка."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Версия программы."));
    const QCommandLineOption importOption(QStringLiteral("import"), QString());
    const QCommandLineOption exportOption(QStringLiteral("export"), QString());
    const QCommandLineOption shapeOption(QStringLiteral("shape"), QString(), QStringLiteral("K/N"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(importOption);
    parser.addOption(exportOption);
    parser.addOption(shapeOption);
    CommandLine command;
    const bool parsed = parser.parse(arguments);
    const bool console = !parsed || parser.isSet(helpOption) || parser.isSet(versionOption) ||
                         parser.isSet(importOption) || parser.isSet(exportOption) ||
                         parser.isSet(shapeOption) || parser.positionalArguments().size() > 1;
    if (!console) {
        if (!parser.positionalArguments().isEmpty())
            command.fileToOpen = parser.positionalArguments().constFirst();
        return command;
    }

    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        Print(
            stderr,
            (unknown.isEmpty()
                 ? parser.errorText()
                 : QStringLiteral("Неизвестный ключ: %1").arg(unknown.join(QStringLiteral(", ")))) +
                QStringLiteral("; см. --help\n"));
        command.finished = kMisused;
    } else if (parser.isSet(helpOption)) {
        Print(stdout, HelpText());
        command.finished = 0;
    } else if (parser.isSet(versionOption)) {
        Print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        command.finished = 0;
    } else if (parser.isSet(importOption) != parser.isSet(exportOption) &&
               parser.positionalArguments().size() == 2 &&
               (parser.isSet(importOption) || !parser.isSet(shapeOption))) {
        const QStringList files = parser.positionalArguments();
        command.finished = parser.isSet(importOption)
                               ? Import(files[0], files[1], parser.value(shapeOption))
                               : Export(files[0], files[1]);
    } else {
        Print(stderr, QStringLiteral("Нужно: --import TABLE OUT.dat [--shape K/N], "
                                     "--export FILE.dat OUT.csv или один FILE; см. --help\n"));
        command.finished = kMisused;
    }
    return command;
}
