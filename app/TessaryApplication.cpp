#include "app/TessaryApplication.h"

#include "app/TTessaryM.h"

TessaryApplication::TessaryApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tessary"));
    setApplicationVersion(QStringLiteral(TESSARY_VERSION));
    setOrganizationName(QStringLiteral("Orvane"));
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
