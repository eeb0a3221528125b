// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"

#include "about/frmaboutlayout.h"
#include "runtime/registry/registryapi.h"
#include "runtime/registry/registryconstants.h"
#include "runtime/system/files.h"
#include "runtime/system/messagedialog.h"
#include "runtime/system/programstart.h"
#include "runtime/text/ansitext.h"
#include "runtime/text/convert.h"
#include "runtime/text/text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace about {

namespace {

// The program's instance, or that of an InstanceScope.
std::unique_ptr<frmAbout> *s_slot = nullptr;

std::unique_ptr<frmAbout> &slot()
{
    static std::unique_ptr<frmAbout> program;
    if (!s_slot) {
        s_slot = &program;
        // Widgets have to go before the application object does.
        qAddPostRoutine([] { program.reset(); });
    }
    return *s_slot;
}

const QString SysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString SysInfoValue = QStringLiteral("PATH");
const QString SysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString SysInfoLocationValue = QStringLiteral("MSINFO");
const QString SysInfoFile = QStringLiteral("\\MSINFO32.EXE");
// Where the system keeps no registry, the tool's path value names the first of these programs on
// the search path: each shows a summary of the machine's hardware and system.
const runtime::ProgramValue SysInfoTools[] = {
    {.root = runtime::registry::LocalMachine,
     .key = SysInfoKey,
     .name = SysInfoValue,
     .programs = {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
                  QStringLiteral("cpu-x"), QStringLiteral("lshw-gtk")}}};

constexpr qsizetype DataBufferSize = 1024;

// Closes the key on every way out of the reader, an error's included.
class OpenKey
{
public:
    explicit OpenKey(const runtime::RegistryLookup &registry)
        : m_registry(registry)
    { }
    ~OpenKey()
    {
        if (handle)
            m_registry->RegCloseKey(handle);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    runtime::RegistryHandle handle = 0;

private:
    const runtime::RegistryLookup &m_registry;
};

} // namespace

frmAbout::frmAbout()
    : Form(frmAboutWindow, frmAboutControls)
{ }

frmAbout &frmAbout::instance()
{
    std::unique_ptr<frmAbout> &instance = slot();
    if (!instance)
        instance.reset(new frmAbout);
    return *instance;
}

frmAbout::InstanceScope::InstanceScope()
    : m_previous(&slot())
{
    s_slot = &m_instance;
}

frmAbout::InstanceScope::~InstanceScope()
{
    m_instance.reset();
    s_slot = m_previous;
}

QString frmAbout::versionText(const runtime::Version &version)
{
    using runtime::convert::toText;
    return QStringLiteral("Version ") + toText(version.major) + u'.' + toText(version.minor) + u'.'
        + toText(version.revision);
}

void frmAbout::connectEvents()
{
    handle(control<QPushButton>("cmdOK"), &QPushButton::clicked, &frmAbout::cmdOK_Click);
    handle(control<QPushButton>("cmdSysInfo"), &QPushButton::clicked, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + runtime::Runtime::title());
    control<QLabel>("lblVersion")->setText(versionText(runtime::Runtime::version()));
    control<QLabel>("lblTitle")->setText(runtime::Runtime::title());
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    // The reader takes a root as its 32-bit value.
    const qint32 LocalMachine = qint32(runtime::registry::LocalMachine);
    QString SysInfoPath;
    try {
        if (!GetKeyValue(LocalMachine, SysInfoKey, SysInfoValue, SysInfoPath)) {
            if (!GetKeyValue(LocalMachine, SysInfoLocationKey, SysInfoLocationValue, SysInfoPath)
                || runtime::findFile(SysInfoPath + SysInfoFile).isEmpty()) {
                throw runtime::Error(runtime::ErrorNumber::FileNotFound);
            }
            SysInfoPath += SysInfoFile;
        }
        runtime::startProgram(SysInfoPath, runtime::WindowStyle::NormalFocus);
        return;
    } catch (...) {
        // Whatever went wrong, the user hears the same thing and the window stays open.
    }
    runtime::MessageDialog::current().show(
        QStringLiteral("System Information Is Unavailable At This Time"));
}

runtime::Truth frmAbout::GetKeyValue(const qint32 &KeyRoot, const QString &KeyName,
                                     const QString &SubKeyRef, QString &KeyVal)
{
    using namespace runtime;
    const RegistryLookup advapi32(SysInfoTools);
    OpenKey key(advapi32);

    // Reading is all this needs; asking for more (0x2003F) is refused to standard users.
    if (advapi32->RegOpenKeyExA(registry::predefinedRoot(quint32(KeyRoot)),
                                ansi::encode(KeyName).constData(), 0, registry::KeyRead,
                                &key.handle)
        != registry::Success) {
        key.handle = 0;
        KeyVal.clear();
        return TruthFalse;
    }

    QByteArray buffer = ansi::encode(QString(DataBufferSize, QChar(0)));
    quint32 dataSize = quint32(buffer.size());
    quint32 type = 0;
    const qint32 status =
        advapi32->RegQueryValueExA(key.handle, ansi::encode(SubKeyRef).constData(), nullptr, &type,
                                   reinterpret_cast<quint8 *>(buffer.data()), &dataSize);
    // The value's bytes come back as text, and only they: where a character may take several
    // bytes, the zeros past the value would otherwise end its last character or trail its text.
    const QByteArray valueBytes = buffer.left(dataSize);
    QString dataText = ansi::decode(valueBytes);
    if (status != registry::Success) {
        KeyVal.clear();
        return TruthFalse;
    }

    // One terminating zero is dropped, never more; a value of size 0 has no last character,
    // and asking for it is an invalid argument.
    const qint64 size = dataText.size();
    dataText = text::left(dataText, text::asc(text::mid(dataText, size, 1)) == 0 ? size - 1 : size);

    if (type == registry::TypeString) {
        KeyVal = dataText;
    } else if (type == registry::TypeDword) {
        // From the bytes, which are no text: in a code set where a character may take several
        // bytes, a byte is not always a character of its own. Least significant first, so the
        // digits are read from the end, less the terminating zero dropped above. The number
        // keeps this "&h" form.
        const qsizetype last =
            valueBytes.endsWith('\0') ? valueBytes.size() - 2 : valueBytes.size() - 1;
        QString number = QStringLiteral("&h");
        for (qsizetype i = last; i >= 0; --i)
            number += text::hexByte(quint8(valueBytes.at(i)));
        KeyVal = number;
    }
    return TruthTrue;
}

} // namespace about
