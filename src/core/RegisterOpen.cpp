#include "RegisterOpen.h"

#include "Errors.h"
#include "Record.h"
#include "RegisterFile.h"
#include "TextFile.h"

#include <fstream>
#include <utility>

namespace svidary {

void NewRegister(RegisterState& state, const std::filesystem::path& file) {
    state = RegisterState{};
    std::ofstream created(file, std::ios::binary | std::ios::trunc);
    if (!created) {
        throw IoError("Не удалось создать файл \"" + pathToUtf8(file) + "\"");
    }
    created.close();
    state.CurrentFileName = file;
    state.DocListsExist = true;
    state.DocModified = false;
}

RedrawResult OpenRegister(RegisterState& state, const ReferenceData& refs,
                          const std::filesystem::path& file, const ProgressCallback& progress) {
    state = RegisterState{};
    RegisterState opened;
    opened.CurrentFileName = file;
    opened.DocListsExist = true;
    if (HasFileExtension(pathToUtf8(file), ".diplom")) {
        LoadDiplomFile(opened, progress);
    }
    RedrawResult result = RedrawRegister(opened, refs, progress);
    opened.DocModified = false;
    state = std::move(opened);
    return result;
}

void CloseRegister(RegisterState& state) {
    state = RegisterState{};
}

} // namespace svidary
