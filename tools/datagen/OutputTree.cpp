#include "OutputTree.h"

#include <filesystem>
#include <fstream>

#include "wiring/SourceText.h"

using namespace wiring;

namespace fs = std::filesystem;

namespace {

bool isUserNote(const std::string& path) { return path.compare(0, 9, "USERNOTE/") == 0; }

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw DataError(path.string(), 0, "cannot be written");
}

}  // namespace

void writeDataTree(const OutputSet& files, const std::string& outDir) {
    fs::path target = fs::absolute(fs::path(outDir)).lexically_normal();
    if (target.filename().empty()) target = target.parent_path();
    const fs::path partial = target.string() + ".partial";
    const fs::path old = target.string() + ".old";
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    fs::remove_all(old, ignored);
    try {
        fs::create_directories(partial);
        for (const auto& [path, file] : files) {
            const fs::path kept = target / path;
            if (isUserNote(path) && fs::is_regular_file(kept)) {
                fs::create_directories((partial / path).parent_path());
                fs::copy_file(kept, partial / path);  // the user's, kept as it is
                continue;
            }
            writeFile(partial / path, file.bytes);
        }
        // The user's own cables are the user's, like the notes: carried over whole.
        if (fs::is_directory(target / "MYCABLES"))
            fs::copy(target / "MYCABLES", partial / "MYCABLES", fs::copy_options::recursive);
        if (fs::exists(target)) fs::rename(target, old);
        fs::rename(partial, target);
    } catch (const fs::filesystem_error& e) {
        fs::remove_all(partial, ignored);
        if (!fs::exists(target) && fs::exists(old)) fs::rename(old, target, ignored);
        throw DataError("writing " + target.string(), 0, e.what());
    } catch (...) {
        fs::remove_all(partial, ignored);
        throw;
    }
    fs::remove_all(old, ignored);
}
