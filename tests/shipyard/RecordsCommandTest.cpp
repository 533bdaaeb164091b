// SPDX-License-Identifier: MIT
// The built `shipyard records` over records of the generated default ships: each record is listed
// by its words with its verdict and where its ships were found, and the exit status tells a
// record not verified from one not checked.
#include "DemoFormat.h"
#include "ShipyardRun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

namespace {

std::string Scratch(const std::string& name) {
    return testing::TempDir() + "records_test_" + std::to_string(getpid()) + "_" + name;
}

// The pilot's demo with Maradyne's thrust recorded as 20: a demo flown with other ships.
std::string ForgedDemo(const std::string& pilot) {
    Demo demo;
    std::string reason;
    const auto* bytes = reinterpret_cast<const unsigned char*>(pilot.data());
    EXPECT_TRUE(ParseDemo(bytes, pilot.size(), demo, reason)) << reason;
    std::vector<unsigned char> header, forged;
    AppendDemoHeader(header, demo);
    for (DemoShipType& type : demo.shipTypes)
        type.thrust = type.name == "Maradyne" ? 20 : type.thrust;
    AppendDemoHeader(forged, demo);
    return std::string(forged.begin(), forged.end()) + pilot.substr(header.size());
}

TEST(RecordsCommand, ARecordIsProvedOnlyWithItsOwnShips) {
    const std::string data = Scratch("data"), xdg = Scratch("xdg"), bare = Scratch("bare");
    mkdir(bare.c_str(), 0777);
    ASSERT_EQ(RunShipyard("generate " + ShellQuoted(data)).status, 0);
    const std::string env = "cd " + ShellQuoted(bare) + " && env XDG_DATA_HOME=" + ShellQuoted(xdg);
    const std::string pilot = std::filesystem::absolute("data/pilot.demo");
    const ShipyardRun added =
        RunShipyard("records --add " + ShellQuoted(pilot) + " --data " + ShellQuoted(data), env);
    std::smatch kept;
    ASSERT_TRUE(std::regex_search(added.out, kept,
                                  std::regex("kept: .*, ([0-9.]+) s, .* ship set ([0-9a-f]{16}).*"
                                             "/(best-[0-9a-f-]+\\.demo)\n")))
        << added.out << added.err;
    const std::string set = kept[2], record = set + " " + kept[1].str();
    const std::string forgedDemo = "best-" + set + ".demo"; // as older games named best demos
    std::ofstream(xdg + "/starchase/" + forgedDemo) << ForgedDemo(ReadWholeFile(pilot));
    const std::string demo = kept[3];
    const std::string own = record + " " + demo, forged = record + " " + forgedDemo;
    const std::string listed = set + " " + kept[1].str() + " s ";
    const std::string inData = " with the ships in " + data;
    const std::string other = "00000000000000ab 1.000 best-00000000000000ab.demo";
    const std::string notHere = "00000000000000ab 1.000 s best-00000000000000ab.demo: not "
                                "checked: the ships of set 00000000000000ab are not here (give "
                                "--data DIR)\n";
    const std::string differs = listed + forgedDemo + ": not verified" + inData +
                                ": alukset.txt differs from the recording: Maradyne has thrust "
                                "13, recorded 20\n";
    const std::string verified = listed + demo + ": verified" + inData + "\n";
    const std::string noDemo = "shipyard: " + xdg +
                               "/starchase/records: line 2: the demo records "
                               "is not a best demo of ship set " +
                               set + " (best-" + set +
                               "-MILLISECONDS.demo); read as a record with no demo\n";
    const struct {
        const char* what;
        std::string records, data;
        int status;
        std::string out, err;
    } cases[] = {
        {"its own ships", own, data, 0, verified, ""},
        {"ships not here", other, "", 3, notHere, ""},
        {"one not checked, one verified", other + "\n" + own, data, 3, notHere + verified, ""},
        {"one not checked, one not verified", forged + "\n" + other, data, 1, differs + notHere,
         ""},
        {"a record naming the records file", record + " records", data, 1,
         listed + "(no demo): not verified" + inData + ": its line names no best demo\n", noDemo},
    };
    for (const auto& c : cases) {
        std::ofstream(xdg + "/starchase/records") << "starchase records 1\n" << c.records << "\n";
        const std::string where = c.data.empty() ? "" : " --data " + ShellQuoted(c.data);
        const ShipyardRun run = RunShipyard("records" + where, env);
        EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.err;
        EXPECT_EQ(run.out, c.out) << c.what;
        EXPECT_EQ(run.err, c.err) << c.what;
    }
    // A --data that holds no ships is named; the record's ships are then not here.
    std::ofstream(xdg + "/starchase/records") << "starchase records 1\n" << own << "\n";
    const ShipyardRun gone = RunShipyard("records --data " + ShellQuoted(Scratch("gone")), env);
    EXPECT_EQ(gone.status, 3);
    EXPECT_EQ(gone.err,
              "shipyard: " + Scratch("gone") + "/alukset.txt: No such file or directory\n");
}

} // namespace
