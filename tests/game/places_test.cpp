// Where the game's files live: the start folder when it holds them, else the installed assets and
// the person's data folder.
#include <gtest/gtest.h>

#include <map>

#include "fakes.h"
#include "game/places.h"

namespace orizen::test {

namespace {

struct Folders {
    TempFolder root;
    std::string cwd, bin, share;
    std::map<std::string, std::string> env;

    Folders() {
        cwd = (root.path / "cwd").string();
        bin = (root.path / "usr/bin").string();
        share = (root.path / "usr/share/orizen").string();
        for (const std::string& f : {cwd, bin, share}) std::filesystem::create_directories(f);
        std::ofstream(share + "/Orizen.htm") << "<html></html>";
        env["HOME"] = (root.path / "home").string();
    }
    Places find() const {
        return findPlaces(cwd, bin, [this](const char* name) {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
    }
};

}  // namespace

TEST(Places, AStartFolderHoldingTheSettingsOrASoundKeepsEverythingThere) {
    for (const char* file : {"Orizen.ini", "駒打音.wav", "BGM.wav"}) {
        Folders s;
        std::ofstream(s.cwd + "/" + file) << "x";
        const Places p = s.find();
        EXPECT_TRUE(p.portable) << file;
        EXPECT_EQ(p.data, s.cwd) << file;
        EXPECT_EQ(p.assets, s.cwd) << file;
    }
}

TEST(Places, InstalledTheAssetsComeFromShareAndTheDataFromTheDataHome) {
    Folders s;
    Places p = s.find();
    EXPECT_FALSE(p.portable);
    EXPECT_EQ(p.assets, s.bin + "/../share/orizen");
    EXPECT_EQ(p.data, s.env["HOME"] + "/.local/share/orizen");

    s.env["XDG_DATA_HOME"] = (s.root.path / "xdg").string();
    EXPECT_EQ(s.find().data, s.env["XDG_DATA_HOME"] + "/orizen");
    s.env["XDG_DATA_HOME"] = "relative";  // not absolute: ignored, as the XDG rules say
    EXPECT_EQ(s.find().data, s.env["HOME"] + "/.local/share/orizen");
    s.env.clear();  // nowhere of the person's own: the start folder
    EXPECT_EQ(s.find().data, s.cwd);
}

TEST(Places, WithoutInstalledAssetsTheStartFolderIsUsed) {
    Folders s;
    std::filesystem::remove(s.share + "/Orizen.htm");
    const Places p = s.find();
    EXPECT_TRUE(p.portable);
    EXPECT_EQ(p.data, s.cwd);
}

TEST(Places, MakeFoldersCreatesMissingParentsAndRefusesAFile) {
    TempFolder root;
    std::string error;
    const std::string deep = (root.path / "a/b/c").string();
    EXPECT_TRUE(makeFolders(deep, error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(makeFolders(deep, error));  // already there
    root.write("file", "x");
    EXPECT_FALSE(makeFolders((root.path / "file").string(), error));
    EXPECT_FALSE(makeFolders((root.path / "file/sub").string(), error));
}

}  // namespace orizen::test
