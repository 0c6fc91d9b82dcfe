// brisel-cli theme and theme-import: cursor themes for the Linux desktop
// from cursors assigned to roles (or a Windows scheme's install.inf), and
// back to one cursor file per role.

#include "cli/CliTheme.h"

#include "cursortheme/CursorThemeExport.h"
#include "cursortheme/CursorThemeImport.h"
#include "cursortheme/InstallInf.h"
#include "cursortheme/ThemeFiles.h"
#include "document/file/AnyCursorFile.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorAni.h"

#include <cctype>
#include <cstdio>

namespace {

struct ThemeOptions {
    std::string OutDir;
    std::string Name;
    std::string Comment;
    std::string Inherits;
    std::string Inf;
    std::vector<std::uint32_t> Sizes;
    std::vector<std::pair<std::string, std::string>> Assigned; // role name, file
};

ThemeOptions parseTheme(const Arguments& Args) {
    ThemeOptions o;
    for (std::size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= Args.size()) throw CliError("theme: " + a + " needs a value");
            return Args[++i];
        };
        if (a == "--name") {
            o.Name = value();
        } else if (a == "--comment") {
            o.Comment = value();
        } else if (a == "--inherits") {
            o.Inherits = value();
        } else if (a == "--inf") {
            o.Inf = value();
        } else if (a == "--sizes") {
            for (int s : parseSizes("theme", value(), Xcursor::MaxSide))
                o.Sizes.push_back(std::uint32_t(s));
        } else if (a.compare(0, 2, "--") == 0) {
            throw CliError("theme: unknown option " + a);
        } else if (a.find('=') != std::string::npos) {
            const std::size_t eq = a.find('=');
            o.Assigned.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        } else if (o.OutDir.empty()) {
            o.OutDir = a;
        } else {
            throw CliError("theme: \"" + a + "\" is neither an option nor ROLE=FILE");
        }
    }
    if (o.OutDir.empty()) throw CliError("theme: give OUTDIR");
    if (o.Assigned.empty() && o.Inf.empty())
        throw CliError("theme: give cursors as ROLE=FILE or a scheme as --inf install.inf");
    return o;
}

std::string folderOf(const std::string& Path) {
    const std::size_t slash = Path.rfind('/');
    return slash == std::string::npos ? std::string(".") : Path.substr(0, slash);
}

std::string lowered(std::string Text) {
    for (char& c : Text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return Text;
}

// The file of the inf's folder named Name without regard to case, as
// Windows finds it.
std::string fileBeside(const std::string& Inf, const std::string& Name) {
    const std::string folder = folderOf(Inf);
    for (const std::string& entry : ThemeFiles::list(folder))
        if (lowered(entry) == lowered(Name)) return folder + "/" + entry;
    throw CliError(Inf + ": the scheme's file " + Name + " is not beside it");
}

} // namespace

int runTheme(const Arguments& Args) {
    ThemeOptions o = parseTheme(Args);
    if (!o.Inf.empty()) {
        const std::vector<std::uint8_t> bytes = readWholeFile(o.Inf);
        InstallInfScheme scheme;
        try {
            scheme = ParseInstallInf(std::string(bytes.begin(), bytes.end()));
        } catch (const std::exception& e) {
            throw CliError(o.Inf + ": " + e.what());
        }
        if (o.Name.empty()) o.Name = scheme.Name;
        for (const InstallInfScheme::Slot& s : scheme.Slots)
            o.Assigned.emplace_back(s.Role->Title, fileBeside(o.Inf, s.File));
    }
    if (o.Name.empty()) throw CliError("theme: give the theme's --name");
    CursorThemePlan plan;
    plan.Name = o.Name;
    plan.Comment = o.Comment;
    plan.Inherits = o.Inherits;
    plan.Sizes = o.Sizes;
    int inverted = 0;
    for (const auto& [roleName, file] : o.Assigned) {
        const CursorRole* role = FindCursorRole(roleName);
        if (!role) throw CliError("theme: no cursor role is called \"" + roleName + "\"");
        const std::vector<std::uint8_t> bytes = readWholeFile(file);
        try {
            AnyCursor cursor = DecodeAnyCursor(bytes.data(), bytes.size(), file, TransparencySettings());
            inverted += cursor.InvertedPixels;
            plan.Cursors.push_back({role, std::move(cursor.Contents)});
        } catch (const IconCodecError& e) {
            throw CliError(e.what());
        }
    }
    try {
        const CursorThemeLayout layout = LayOutCursorTheme(plan);
        WriteCursorTheme(o.OutDir, plan.Name, layout);
        for (const CursorRole* r : layout.Missing)
            if (r->inScheme())
                printError(plan.Name + ": no cursor for " + r->Title + " (" + r->mainName() +
                     "); the desktop takes it from the inherited theme");
    } catch (const std::exception& e) {
        throw CliError("theme: " + std::string(e.what()));
    }
    if (inverted > 0)
        printError(plan.Name + ": " + std::to_string(inverted) +
             " screen-inverting pixels are drawn dark with a light outline");
    return 0;
}

int runThemeImport(const Arguments& Args) {
    if (Args.size() != 2) throw CliError("theme-import: give one THEMEDIR and one OUTDIR");
    ImportedTheme theme;
    try {
        theme = ReadCursorTheme(Args[0]);
    } catch (const std::exception& e) {
        throw CliError(e.what());
    }
    if (theme.Roles.empty()) throw CliError(Args[0] + ": no cursor of a known role is there");
    makeFolders(Args[1]);
    for (const ImportedRole& r : theme.Roles) {
        // An animated role becomes an animated cursor, a still one a cursor.
        bool animated = false;
        for (std::uint32_t size : NominalSizes(r.Cursor.Images))
            animated = animated || FramesOfSize(r.Cursor.Images, size).size() > 1;
        const std::string out =
            Args[1] + "/" + r.Role->mainName() + (animated ? ".ani" : ".cur");
        IconFileOmissions omitted;
        AniFromXcursorNotes notes;
        try {
            writeFileReplacing(out, animated ? EncodeAniFromXcursor(r.Cursor, notes)
                                             : EncodeIconFileFromXcursor(IconFile::TypeCursor,
                                                                         r.Cursor.Images, omitted));
        } catch (const IconCodecError& e) {
            throw CliError(out + ": " + e.what());
        }
        if (!notes.ChangedDelays.empty()) printError(out + ": " + ChangedDelaysText(notes.ChangedDelays));
        if (omitted.TooLarge + notes.TooLarge > 0)
            printError(out + ": " + largeSizesLeftOut(omitted.TooLarge + notes.TooLarge));
    }
    for (const std::string& reason : theme.Unreadable)
        printError(reason);
    return 0;
}
