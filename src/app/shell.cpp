#include "shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

#include "base/product.h"

#if __has_include("version.h")
#include "version.h"
#endif

namespace {

class DesktopShell : public Shell
{
public:
    bool openUrl(const QString &address) override
    {
        return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    }

    QString chooseFolder(const QString &title, const QString &startFolder) override
    {
        const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder,
                                                                 QFileDialog::ShowDirsOnly);
        return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
    }
};

Shell *g_installed = nullptr;

} // namespace

Shell &Shell::current()
{
    static DesktopShell desktop;
    return g_installed ? *g_installed : desktop;
}

void Shell::install(Shell *shell)
{
    g_installed = shell;
}

Shell *Shell::installed()
{
    return g_installed;
}

QString GetProgramVersion()
{
#ifdef WORTHSHEET_VERSION
    return QStringLiteral(WORTHSHEET_VERSION);
#else
    return QStringLiteral("No version information found");
#endif
}

bool OpenWebPage(const QString &address)
{
    return Shell::current().openUrl(address);
}

QString BrowseForFolder(const QString &title, const QString &startFolder)
{
    return Shell::current().chooseFolder(title, startFolder);
}

QString WebSiteAddress()
{
    return QLatin1String(ProductSite) + QStringLiteral("/index.html");
}

QString UpdateCheckAddress(const QString &version)
{
    // The version holds only digits and points; it is appended as it is.
    return QLatin1String(ProductSite) + QStringLiteral("/sc/update/update.php?user_version=") + version;
}
