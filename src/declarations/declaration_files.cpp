#include "declarations/declaration_files.h"

#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/text_reader.h"
#include "declarations/function_declarations.h"
#include "declarations/function_groups.h"

namespace sced {

namespace {

Declarations Complete(const std::vector<Template>& declared, TextReader& funcDecl,
                      TextReader& funcStruct) {
    Declarations declarations;
    declarations.functions = ArrangeFunctions(declared, funcDecl, funcStruct);
    declarations.groups = ReadDeclaredGroups(funcDecl);
    return declarations;
}

}  // namespace

Declarations ReadDeclarationFiles(const std::filesystem::path& gameFolder) {
    TextReader funcDecl;
    funcDecl.Open(ResolveGamePath(gameFolder, "Data\\FuncDecl"));
    Check(funcDecl.error() == 0, "No functions decl file.");
    // The declarations are read before the group file is opened, so a broken
    // declaration is reported first.
    std::vector<Template> declared = ReadFunctionDeclarations(funcDecl);
    TextReader funcStruct;
    funcStruct.Open(ResolveGamePath(gameFolder, "Data\\FuncStruct"));
    Check(funcStruct.error() == 0, "No groups structure file.");
    return Complete(declared, funcDecl, funcStruct);
}

Declarations ReadDeclarationTexts(std::string_view funcDecl, std::string_view funcStruct) {
    TextReader declReader;
    declReader.OpenText(funcDecl);
    std::vector<Template> declared = ReadFunctionDeclarations(declReader);
    TextReader structReader;
    structReader.OpenText(funcStruct);
    return Complete(declared, declReader, structReader);
}

}  // namespace sced
