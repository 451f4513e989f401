// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// corvanel-reg: reads and changes the registry store that the Corvanel
// components keep their values in, with the commands and switches of the
// registry's own command-line tool (query, add, delete, export, import).
#include "RegistryDatabase.h"
#include "RegistryFormat.h"
#include "RegistryPlace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <csignal>
#include <map>
#include <memory>
#include <optional>

using corvanel::RegistryDatabase;
using corvanel::RegistryFileKey;
using corvanel::RegistryFormat;
using corvanel::RegistryPlace;
using corvanel::RegistryRoot;
using corvanel::RegistryValue;

namespace {

const char kUsage[] = R"(Usage:
  corvanel-reg query KEY [/v NAME | /ve] [/s]
  corvanel-reg add KEY [/v NAME | /ve] [/t TYPE] [/d DATA] [/f]
  corvanel-reg delete KEY [/v NAME | /ve | /va] [/f]
  corvanel-reg export KEY FILE [/y]
  corvanel-reg import FILE

KEY is ROOT\Path, ROOT one of HKEY_CURRENT_USER (HKCU), HKEY_LOCAL_MACHINE
(HKLM), HKEY_CLASSES_ROOT (HKCR), HKEY_USERS (HKU), HKEY_CURRENT_CONFIG (HKCC).

  /v NAME   the value NAME          /ve   the key's default value
  /va       all values of the key   /s    query the subkeys too
  /t TYPE   REG_SZ (default), REG_EXPAND_SZ, REG_DWORD or REG_BINARY
  /d DATA   the data: text, a number for REG_DWORD (decimal, optionally
            negative, or 0x and 1 to 8 hex digits), hex digits for REG_BINARY
  /f        accepted for compatibility (nothing is ever asked)
  /y        overwrite FILE when exporting (FILE must be a regular file)

add needs /v or /ve to write a value; without them it only creates the key.
Names are matched ignoring case. A key name (one level) has 1 to 255
characters, a value name up to 16383; neither may hold a control character
(line feed, tab, ...), and a key name no backslash. Such names are refused.
Every change is one transaction, committed before the command returns: it
is kept whole or not at all, and a full disk or a size limit leaves the store
as it was. An import is one transaction across every root it names. Reading
never waits; a change waits at most 3 seconds for another program that is
changing the same store, then fails. An import file larger than 256 MiB is
refused, and so is a file with lines that cannot be read.

delete without /v, /ve or /va removes the key and all its subkeys.
The store is one SQLite database per root: HKEY_CURRENT_USER.db in
$XDG_CONFIG_HOME/Corvanel/registry, the other roots in the system
configuration directory; CORVANEL_REGISTRY_DIR moves all of them.

Example, switching the Corvanel debug log on:
  corvanel-reg add "HKEY_CURRENT_USER\Software" /v debug /t REG_DWORD /d 1
)";

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

struct Failure
{
    QString message;
};

[[noreturn]] void fail(const QString &message)
{
    throw Failure{message};
}

struct KeyName
{
    RegistryRoot root = RegistryRoot::NoRoot;
    QString path; // below the root
};

KeyName parseKey(const QString &text)
{
    const QStringList segments = text.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    KeyName key;
    if (!segments.isEmpty())
        key.root = RegistryPlace::rootFromName(segments.first());
    if (key.root == RegistryRoot::NoRoot)
        fail(QStringLiteral("Invalid key name \"%1\": it must start with a root such as "
                            "HKEY_CURRENT_USER.")
                 .arg(text));
    if (RegistryPlace::databaseFile(key.root).isEmpty())
        fail(QStringLiteral("%1 cannot be opened.").arg(RegistryPlace::rootName(key.root)));
    for (const QString &segment : segments.mid(1))
        if (!RegistryFormat::isValidKeyName(segment))
            fail(QStringLiteral("Invalid key name \"%1\": a key name has 1 to 255 characters "
                                "and no control character.")
                     .arg(segment));
    key.path = segments.mid(1).join(QLatin1Char('\\'));
    return key;
}

QString fullName(const KeyName &key)
{
    const QString root = RegistryPlace::rootName(key.root);
    return key.path.isEmpty() ? root : root + QLatin1Char('\\') + key.path;
}

// The switches after the positional arguments.
struct Options
{
    QStringList positional;
    std::optional<QString> valueName; // /v NAME, or "" for /ve
    bool allValues = false;
    bool recursive = false;
    bool overwrite = false;
    QString type = QStringLiteral("REG_SZ");
    QString data;
    bool hasType = false;
    bool hasData = false;
};

bool isSwitch(const QString &arg, const char *name)
{
    return (arg.startsWith(QLatin1Char('/')) || arg.startsWith(QLatin1Char('-'))) &&
           arg.mid(1).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QString switchArgument(const QStringList &args, qsizetype &i)
{
    if (i + 1 >= args.size())
        fail(QStringLiteral("%1 needs an argument.").arg(args[i]));
    return args[++i];
}

Options parseOptions(const QStringList &args)
{
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (isSwitch(arg, "v")) {
            options.valueName = switchArgument(args, i);
        } else if (isSwitch(arg, "ve")) {
            options.valueName = QString();
        } else if (isSwitch(arg, "va")) {
            options.allValues = true;
        } else if (isSwitch(arg, "s")) {
            options.recursive = true;
        } else if (isSwitch(arg, "t")) {
            options.type = switchArgument(args, i).toUpper();
            options.hasType = true;
        } else if (isSwitch(arg, "d")) {
            options.data = switchArgument(args, i);
            options.hasData = true;
        } else if (isSwitch(arg, "f")) {
        } else if (isSwitch(arg, "y")) {
            options.overwrite = true;
        } else {
            options.positional << arg;
        }
    }
    return options;
}

void expectPositional(const Options &options, qsizetype count)
{
    if (options.positional.size() != count)
        fail(QStringLiteral("Wrong number of arguments (see corvanel-reg --help)."));
}

QString typeName(quint32 type)
{
    switch (type) {
    case 0:
        return QStringLiteral("REG_NONE");
    case 1:
        return QStringLiteral("REG_SZ");
    case 2:
        return QStringLiteral("REG_EXPAND_SZ");
    case 3:
        return QStringLiteral("REG_BINARY");
    case 4:
        return QStringLiteral("REG_DWORD");
    case 5:
        return QStringLiteral("REG_DWORD_BIG_ENDIAN");
    case 6:
        return QStringLiteral("REG_LINK");
    case 7:
        return QStringLiteral("REG_MULTI_SZ");
    case 11:
        return QStringLiteral("REG_QWORD");
    default:
        return QStringLiteral("REG_0x%1").arg(type, 0, 16);
    }
}

QString dataText(const RegistryValue &value)
{
    if (value.isText())
        return value.text;
    if (value.type == RegistryValue::TypeDWord)
        return QStringLiteral("0x%1").arg(value.dword, 0, 16);
    return QString::fromLatin1(value.data.toHex().toUpper());
}

void printValue(const QString &name, const RegistryValue &value)
{
    out() << "    " << (name.isEmpty() ? QStringLiteral("(Default)") : name) << "    "
          << typeName(value.type) << "    " << dataText(value) << '\n';
}

std::unique_ptr<RegistryDatabase> openStore(RegistryRoot root, bool create)
{
    QString error;
    std::unique_ptr<RegistryDatabase> db = RegistryPlace::open(root, create, &error);
    if (!db)
        fail(error);
    return db;
}

// The store of an existing key, and the key with its stored spelling.
struct OpenKey
{
    std::unique_ptr<RegistryDatabase> db;
    RegistryDatabase::KeyId id = RegistryDatabase::kRoot;
    KeyName name;
};

OpenKey openExisting(const KeyName &key)
{
    QString error;
    OpenKey open;
    open.db = RegistryPlace::open(key.root, false, &error);
    const QStringList segments = key.path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QStringList stored;
    const auto id =
        open.db ? open.db->findKey(RegistryDatabase::kRoot, segments, &stored) : std::nullopt;
    if (!id)
        fail(open.db || QFileInfo(RegistryPlace::databaseFile(key.root)).isFile()
                 ? QStringLiteral("The key %1 does not exist.").arg(fullName(key))
                 : error);
    open.id = *id;
    open.name = {key.root, stored.join(QLatin1Char('\\'))};
    return open;
}

QString childPath(const KeyName &key, const QString &subkey)
{
    return key.path.isEmpty() ? subkey : key.path + QLatin1Char('\\') + subkey;
}

void queryKey(const KeyName &name, bool recursive)
{
    OpenKey open = openExisting(name);
    RegistryDatabase &db = *open.db;
    if (recursive) {
        const auto keys = db.exportKeys(open.id, fullName(open.name));
        if (!keys)
            fail(db.lastError());
        for (const RegistryFileKey &key : *keys) {
            out() << '\n' << key.path << '\n';
            for (const auto &[value, data] : key.values)
                printValue(value, data);
        }
        return;
    }
    out() << '\n' << fullName(open.name) << '\n';
    for (const QString &value : db.valueNames(open.id).value_or(QStringList()))
        if (const auto data = db.value(open.id, value))
            printValue(data->first, data->second);
    for (const QString &subkey : db.subkeyNames(open.id).value_or(QStringList()))
        out() << '\n' << fullName({name.root, childPath(open.name, subkey)}) << '\n';
}

int query(const Options &options)
{
    expectPositional(options, 1);
    if (!options.valueName) {
        queryKey(parseKey(options.positional[0]), options.recursive);
        return 0;
    }
    OpenKey open = openExisting(parseKey(options.positional[0]));
    const auto value = open.db->value(open.id, *options.valueName);
    if (!value)
        fail(QStringLiteral("The value \"%1\" does not exist in %2.")
                 .arg(*options.valueName, fullName(open.name)));
    out() << '\n' << fullName(open.name) << '\n';
    printValue(value->first, value->second);
    return 0;
}

// Ends a transaction that changed the store; a failure changed nothing.
void commit(RegistryDatabase &db)
{
    if (!db.commit())
        fail(QStringLiteral("Nothing was changed: %1").arg(db.lastError()));
}

bool onlyDigits(const QString &text, bool hex)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [hex](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (hex && ((c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                        (c >= QLatin1Char('A') && c <= QLatin1Char('F'))));
    });
}

// Only plain digits: no blanks, no "+", nothing after "0x" but hex digits.
quint32 parseDWord(const QString &text)
{
    bool ok = false;
    quint32 number = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString digits = text.mid(2);
        ok = digits.size() <= 8 && onlyDigits(digits, true);
        number = ok ? digits.toUInt(&ok, 16) : 0;
    } else if (text.startsWith(QLatin1Char('-'))) {
        ok = onlyDigits(text.mid(1), false);
        number = ok ? quint32(text.toInt(&ok, 10)) : 0;
    } else {
        ok = onlyDigits(text, false);
        number = ok ? text.toUInt(&ok, 10) : 0;
    }
    if (!ok)
        fail(QStringLiteral("\"%1\" is not a 32-bit number.").arg(text));
    return number;
}

RegistryValue valueOf(const Options &options)
{
    if (options.type == QLatin1String("REG_SZ"))
        return RegistryValue::fromString(options.data);
    if (options.type == QLatin1String("REG_EXPAND_SZ"))
        return RegistryValue::fromExpandString(options.data);
    if (options.type == QLatin1String("REG_DWORD"))
        return RegistryValue::fromDWord(parseDWord(options.data));
    if (options.type == QLatin1String("REG_BINARY")) {
        const QByteArray digits = options.data.toLatin1();
        const QByteArray bytes = QByteArray::fromHex(digits);
        if (digits.size() % 2 != 0 || bytes.toHex() != digits.toLower())
            fail(QStringLiteral("\"%1\" is not a string of hex digits.").arg(options.data));
        return RegistryValue::fromBytes(RegistryValue::TypeBinary, bytes);
    }
    fail(QStringLiteral("Unknown type %1: use REG_SZ, REG_EXPAND_SZ, REG_DWORD or REG_BINARY.")
             .arg(options.type));
}

int add(const Options &options)
{
    expectPositional(options, 1);
    const KeyName key = parseKey(options.positional[0]);
    if (!options.valueName && (options.hasData || options.hasType))
        fail(QStringLiteral("/d and /t need /v NAME or /ve to say which value to write."));
    if (options.valueName && !RegistryFormat::isValidValueName(*options.valueName))
        fail(QStringLiteral("Invalid value name \"%1\": a value name has at most 16383 "
                            "characters and no control character.")
                 .arg(*options.valueName));
    const std::optional<RegistryValue> value =
        options.valueName ? std::optional(valueOf(options)) : std::nullopt;
    const std::unique_ptr<RegistryDatabase> db = openStore(key.root, true);
    if (!db->begin())
        fail(QStringLiteral("Nothing was changed: %1").arg(db->lastError()));
    const auto id = db->createKey(RegistryDatabase::kRoot,
                                  key.path.split(QLatin1Char('\\'), Qt::SkipEmptyParts));
    if (!id || (value && !db->setValue(*id, *options.valueName, *value))) {
        db->rollback();
        fail(QStringLiteral("Nothing was changed: %1").arg(db->lastError()));
    }
    commit(*db);
    out() << "The operation completed successfully.\n";
    return 0;
}

int remove(const Options &options)
{
    expectPositional(options, 1);
    const KeyName key = parseKey(options.positional[0]);
    const bool wholeKey = !options.valueName && !options.allValues;
    if (wholeKey && key.path.isEmpty())
        fail(QStringLiteral("A root key cannot be deleted."));
    OpenKey open = openExisting(key);
    RegistryDatabase &db = *open.db;
    if (!db.begin())
        fail(QStringLiteral("Nothing was changed: %1").arg(db.lastError()));
    const QStringList names = wholeKey            ? QStringList()
                              : options.allValues ? db.valueNames(open.id).value_or(QStringList())
                                                  : QStringList{*options.valueName};
    if (wholeKey && !db.removeKey(open.id)) {
        db.rollback();
        fail(QStringLiteral("Nothing was changed: %1").arg(db.lastError()));
    }
    for (const QString &name : names)
        if (!db.removeValue(open.id, name)) {
            db.rollback();
            fail(QStringLiteral("The value \"%1\" does not exist in %2.")
                     .arg(name, fullName(open.name)));
        }
    commit(db);
    out() << "The operation completed successfully.\n";
    return 0;
}

int exportKey(const Options &options)
{
    expectPositional(options, 2);
    const KeyName key = parseKey(options.positional[0]);
    const QString fileName = options.positional[1];
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        fail(QStringLiteral("%1 is not a regular file; export writes regular files only.")
                 .arg(fileName));
    if (target.exists() && !options.overwrite)
        fail(QStringLiteral("%1 exists; add /y to overwrite it.").arg(fileName));
    OpenKey open = openExisting(key);
    const auto keys = open.db->exportKeys(open.id, fullName(open.name));
    if (!keys)
        fail(open.db->lastError());
    QSaveFile file(fileName);
    const QByteArray bytes = RegistryFormat::serialize(*keys);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    out() << "The operation completed successfully.\n";
    return 0;
}

QByteArray readImport(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        fail(QStringLiteral("Cannot read %1: it does not exist.").arg(fileName));
    if (!info.isFile())
        fail(QStringLiteral("Cannot read %1: it is not a regular file.").arg(fileName));
    if (info.size() > RegistryDatabase::kMaxImportSize)
        fail(QStringLiteral("Cannot read %1: it is larger than 256 MiB.").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString()));
    return file.read(RegistryDatabase::kMaxImportSize + 1);
}

// All or nothing across the roots: every store is locked before anything is
// written, and each is committed only once all of them took their keys.
int importFile(const Options &options)
{
    expectPositional(options, 1);
    const QString fileName = options.positional[0];
    const QByteArray bytes = readImport(fileName);
    QStringList errors;
    const QList<RegistryFileKey> keys = RegistryFormat::parse(bytes, &errors);
    if (!errors.isEmpty())
        fail(QStringLiteral("%1 was not imported: %2 lines cannot be read:\n  %3")
                 .arg(fileName)
                 .arg(errors.size())
                 .arg(errors.join(QStringLiteral("\n  "))));
    if (keys.isEmpty())
        fail(QStringLiteral("%1 was not imported: it holds no keys.").arg(fileName));
    std::map<RegistryRoot, QList<RegistryFileKey>> byRoot;
    for (const RegistryFileKey &key : keys)
        byRoot[parseKey(key.path).root].append(key);
    std::map<RegistryRoot, std::unique_ptr<RegistryDatabase>> stores;
    const auto abandon = [&stores](const QString &why) {
        for (auto &[root, db] : stores)
            db->rollback();
        fail(QStringLiteral("Nothing was changed: %1").arg(why));
    };
    for (const auto &[root, rootKeys] : byRoot) {
        QString error;
        auto db = RegistryPlace::open(root, true, &error);
        if (!db)
            abandon(error);
        if (!db->begin())
            abandon(db->lastError());
        stores[root] = std::move(db);
    }
    for (const auto &[root, rootKeys] : byRoot)
        if (!stores[root]->importKeys(rootKeys, nullptr))
            abandon(stores[root]->lastError());
    QStringList committed;
    for (auto &[root, db] : stores) {
        if (!db->commit()) {
            if (committed.isEmpty())
                abandon(db->lastError());
            for (auto &[other, rest] : stores)
                rest->rollback();
            fail(QStringLiteral("%1 was imported into %2 only: %3")
                     .arg(fileName, committed.join(QStringLiteral(", ")), db->lastError()));
        }
        committed << RegistryPlace::rootName(root);
    }
    out() << "The operation completed successfully.\n";
    return 0;
}

int run(const QStringList &args)
{
    if (args.isEmpty()) {
        err() << kUsage;
        return 1;
    }
    const QString command = args.first().toLower();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("/?") || command == QLatin1String("help")) {
        out() << kUsage;
        return 0;
    }
    const Options options = parseOptions(args.mid(1));
    if (command == QLatin1String("query"))
        return query(options);
    if (command == QLatin1String("add"))
        return add(options);
    if (command == QLatin1String("delete"))
        return remove(options);
    if (command == QLatin1String("export"))
        return exportKey(options);
    if (command == QLatin1String("import"))
        return importFile(options);
    fail(QStringLiteral("Unknown command \"%1\" (see corvanel-reg --help).").arg(args.first()));
}

} // namespace

int main(int argc, char **argv)
{
    // A file size limit is then an ordinary write error (EFBIG) that leaves
    // the store as it was, not a signal that ends the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    int status = 1;
    try {
        status = run(app.arguments().mid(1));
    } catch (const Failure &failure) {
        err() << "ERROR: " << failure.message << '\n';
    }
    out().flush();
    err().flush();
    return status;
}
