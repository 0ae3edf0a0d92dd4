#include "platform/module_loader.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>
#include <string>

namespace {

// Where the build puts the modules, then beside the program.
QStringList ModuleFolders() {
    QStringList folders;
#ifdef TABLEWISE_MODULE_DIR
    folders << QStringLiteral(TABLEWISE_MODULE_DIR);
#endif
    if (QCoreApplication::instance() != nullptr) folders << QCoreApplication::applicationDirPath() + "/modules";
    return folders;
}

QLibrary* Load(const char* module) {
    // Loaded modules stay loaded for the rest of the run: their code may be running.
    static std::map<std::string, std::unique_ptr<QLibrary>> loaded;
    auto found = loaded.find(module);
    if (found != loaded.end()) return found->second.get();
    std::unique_ptr<QLibrary> library;
    for (const QString& folder : ModuleFolders()) {
        auto candidate = std::make_unique<QLibrary>(folder + "/lib" + module);
        if (candidate->load()) {
            library = std::move(candidate);
            break;
        }
    }
    return loaded.emplace(module, std::move(library)).first->second.get();
}

}  // namespace

QFunctionPointer ResolveModuleSymbol(const char* module, const char* symbol) {
    QLibrary* library = Load(module);
    return library ? library->resolve(symbol) : nullptr;
}
