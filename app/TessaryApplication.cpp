#include "app/TessaryApplication.h"

#include "app/TTessaryM.h"

#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

TessaryApplication::TessaryApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tessary"));
    setApplicationVersion(QStringLiteral(TESSARY_VERSION));
    setOrganizationName(QStringLiteral("Orvane"));
    // Command icons come from the desktop's theme, else from Breeze. Platforms
    // without a theme of their own (offscreen) know no icon folders: the usual
    // ones are added.
    QStringList iconPaths = QIcon::themeSearchPaths();
    QStringList dataDirs =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                  QStandardPaths::LocateDirectory);
    dataDirs << QStringLiteral("/usr/local/share/icons") << QStringLiteral("/usr/share/icons");
    for (const QString &d : std::as_const(dataDirs))
        if (!iconPaths.contains(d) && QFileInfo(d).isDir())
            iconPaths << d;
    QIcon::setThemeSearchPaths(iconPaths);
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
}

bool TessaryApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        TTessaryM::showStandardError(e, activeWindow());
    } catch (...) {
        TTessaryM::showStandardError(std::runtime_error("Unexpected error"), activeWindow());
    }
    return false;
}
