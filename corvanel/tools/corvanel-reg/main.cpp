// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// corvanel-reg: reads and changes the registry store that the Corvanel
// components keep their values in, with the commands and switches of the
// registry's own command-line tool (query, add, delete, export, import).
#include <corvanel/RegistryFormat.h>
#include <corvanel/SafeFile.h>
#include <corvanel/TRegistry.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>

using corvanel::RegistryFileKey;
using corvanel::RegistryFormat;
using corvanel::RegistryRoot;
using corvanel::RegistryValue;
using corvanel::SafeFile;
using corvanel::TRegistry;

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
Every change is written whole or not at all: the store is replaced only once
the new one is completely on disk, so a full disk leaves it as it was.
Reading takes no lock; a change waits at most 3 seconds for another program
that is changing the same store, then fails. A store or import file larger
than 256 MiB is refused.

delete without /v, /ve or /va removes the key and all its subkeys.
The store lives in $XDG_CONFIG_HOME/Corvanel/registry (HKEY_CURRENT_USER)
and the system configuration directory (the other roots);
CORVANEL_REGISTRY_DIR moves all of them.

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
        key.root = TRegistry::RootFromName(segments.first());
    if (key.root == RegistryRoot::NoRoot)
        fail(QStringLiteral("Invalid key name \"%1\": it must start with a root such as "
                            "HKEY_CURRENT_USER.")
                 .arg(text));
    if (TRegistry::StoreFileName(key.root).isEmpty())
        fail(QStringLiteral("%1 cannot be opened.").arg(TRegistry::RootName(key.root)));
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
    const QString root = TRegistry::RootName(key.root);
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

// Returns the key in its stored spelling.
KeyName openForReading(TRegistry &registry, const KeyName &key)
{
    registry.SetRootKey(key.root);
    if (!registry.OpenKeyReadOnly(key.path))
        fail(registry.LastError());
    return {key.root, registry.CurrentPath()};
}

TRegistry &openForWriting(TRegistry &registry, const KeyName &key)
{
    registry.SetRootKey(key.root);
    if (!registry.OpenKey(key.path, true))
        fail(registry.LastError());
    return registry;
}

// A failed write is not tried again when the registry is destroyed.
void flush(TRegistry &registry)
{
    if (!registry.Flush()) {
        registry.DiscardChanges();
        fail(QStringLiteral("Nothing was changed: %1").arg(registry.LastError()));
    }
}

QString childPath(const KeyName &key, const QString &subkey)
{
    return key.path.isEmpty() ? subkey : key.path + QLatin1Char('\\') + subkey;
}

// Visits `name` and, when `recursive`, every key below it, depth first in
// sorted order. Without recursion: keys nest thousands of levels deep.
template <typename Visit> void walk(const KeyName &name, bool recursive, Visit visit)
{
    TRegistry registry(TRegistry::Access::Read);
    QList<KeyName> pending{name};
    while (!pending.isEmpty()) {
        const KeyName key = openForReading(registry, pending.takeLast());
        const QStringList subkeys = registry.GetKeyNames();
        visit(registry, key, subkeys);
        if (recursive)
            for (auto it = subkeys.rbegin(); it != subkeys.rend(); ++it)
                pending.append({key.root, childPath(key, *it)});
    }
}

void queryKey(const KeyName &name, bool recursive)
{
    walk(name, recursive,
         [recursive](const TRegistry &registry, const KeyName &key, const QStringList &subkeys) {
             out() << '\n' << fullName(key) << '\n';
             for (const QString &value : registry.GetValueNames())
                 if (const auto data = registry.ReadValue(value))
                     printValue(value, *data);
             if (!recursive)
                 for (const QString &subkey : subkeys)
                     out() << '\n' << fullName({key.root, childPath(key, subkey)}) << '\n';
         });
}

int query(const Options &options)
{
    expectPositional(options, 1);
    if (!options.valueName) {
        queryKey(parseKey(options.positional[0]), options.recursive);
        return 0;
    }
    TRegistry registry(TRegistry::Access::Read);
    const KeyName key = openForReading(registry, parseKey(options.positional[0]));
    const auto value = registry.ReadValue(*options.valueName);
    if (!value)
        fail(QStringLiteral("The value \"%1\" does not exist in %2.")
                 .arg(*options.valueName, fullName(key)));
    QString stored = *options.valueName;
    for (const QString &name : registry.GetValueNames())
        if (name.compare(stored, Qt::CaseInsensitive) == 0)
            stored = name;
    out() << '\n' << fullName(key) << '\n';
    printValue(stored, *value);
    return 0;
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
    TRegistry registry;
    openForWriting(registry, key);
    if (value && !registry.WriteValue(*options.valueName, *value))
        fail(registry.LastError());
    flush(registry);
    out() << "The operation completed successfully.\n";
    return 0;
}

int remove(const Options &options)
{
    expectPositional(options, 1);
    const KeyName key = parseKey(options.positional[0]);
    TRegistry registry;
    if (!options.valueName && !options.allValues) {
        if (key.path.isEmpty())
            fail(QStringLiteral("A root key cannot be deleted."));
        registry.SetRootKey(key.root);
        if (!registry.KeyExists(key.path))
            fail(QStringLiteral("The key %1 does not exist.").arg(fullName(key)));
        if (!registry.DeleteKey(key.path))
            fail(QStringLiteral("Nothing was changed: %1").arg(registry.LastError()));
        out() << "The operation completed successfully.\n";
        return 0;
    }
    registry.SetRootKey(key.root);
    if (!registry.KeyExists(key.path))
        fail(QStringLiteral("The key %1 does not exist.").arg(fullName(key)));
    openForWriting(registry, key);
    const QStringList names =
        options.allValues ? registry.GetValueNames() : QStringList{*options.valueName};
    for (const QString &name : names)
        if (!registry.DeleteValue(name))
            fail(QStringLiteral("The value \"%1\" does not exist in %2.").arg(name, fullName(key)));
    flush(registry);
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
    QList<RegistryFileKey> keys;
    walk(key, true, [&keys](const TRegistry &registry, const KeyName &name, const QStringList &) {
        RegistryFileKey fileKey{fullName(name), {}};
        for (const QString &value : registry.GetValueNames())
            if (const auto data = registry.ReadValue(value))
                fileKey.values.append({value, *data});
        keys.append(fileKey);
    });
    QString error;
    if (!SafeFile::replace(fileName, RegistryFormat::serialize(keys), 0666, &error))
        fail(QStringLiteral("Cannot write %1: %2").arg(fileName, error));
    out() << "The operation completed successfully.\n";
    return 0;
}

int importFile(const Options &options)
{
    expectPositional(options, 1);
    const QString fileName = options.positional[0];
    QByteArray bytes;
    SafeFile::Stamp stamp;
    QString error;
    if (!SafeFile::read(fileName, TRegistry::kMaxStoreSize, bytes, stamp, &error))
        fail(QStringLiteral("Cannot read %1: %2").arg(fileName, error));
    if (stamp.size < 0)
        fail(QStringLiteral("Cannot read %1: it does not exist.").arg(fileName));
    QStringList errors;
    const QList<RegistryFileKey> keys = RegistryFormat::parse(bytes, &errors);
    if (!errors.isEmpty())
        fail(QStringLiteral("%1 was not imported:\n  %2")
                 .arg(fileName, errors.join(QStringLiteral("\n  "))));
    if (keys.isEmpty())
        fail(QStringLiteral("%1 was not imported: it holds no keys.").arg(fileName));
    // Every key is checked before anything is written.
    QList<KeyName> names;
    for (const RegistryFileKey &key : keys)
        names << parseKey(key.path);
    // One registry per root: its keys are written together, all or nothing.
    std::map<RegistryRoot, std::unique_ptr<TRegistry>> registries;
    try {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            auto &registry = registries[names[i].root];
            if (!registry)
                registry = std::make_unique<TRegistry>();
            openForWriting(*registry, names[i]);
            for (const auto &[name, value] : keys[i].values)
                if (!registry->WriteValue(name, value))
                    fail(registry->LastError());
        }
        for (auto &[root, registry] : registries)
            flush(*registry);
    } catch (const Failure &) {
        for (auto &[root, registry] : registries)
            registry->DiscardChanges();
        throw;
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
