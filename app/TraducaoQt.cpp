#include "TraducaoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstalaTraducaoDoQt() {
    auto* traducao = new QTranslator(QCoreApplication::instance());
    if (!traducao->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducao;
        return false;
    }
    return QCoreApplication::installTranslator(traducao);
}
