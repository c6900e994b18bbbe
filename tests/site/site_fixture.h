#pragma once

// A throw-away data folder with small site files, written the way the program
// finds them on disk: Shift_JIS with CR LF unless a test asks for other bytes.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/text_encoding.h"

namespace korvex::testing {

inline const std::vector<std::string> kFixtureAddressLines = {
    "No,kana,todofuken,chiku,snow_zone,V0,altitude_m,snow_cm,rule_flag",
    "1,さっぽろし,北海道,札幌市,1,32,20,140,0",
    "2,おたるし,北海道,小樽市,4,34,-1,-1,0",
    "3,あおもりし,青森県,青森市,3,34,5,150,9",
    "4,ひろさきし,青森県,\"弘前市 (旧岩木町)\",7,32,-1,60,0",
    "5,もりおかし,岩手県,盛岡市,2,30,120,60,9",
};

// Zone 2 twice: the later line is the one that counts. Zone 7 has no line.
inline const std::vector<std::string> kFixtureZoneLines = {
    "zone,alpha,beta,gamma,R", "1,0.0005,-0.06,0.28,40", "2,0.01,0.1,0.15,7",
    "3,0.0019,0.25,0.39,12",   "2,0.001,0,0.5,20",       "4,0.0015,0,0.58,8",
};

// Offices for three of the areas above; 小樽市 has none. 弘前市 (旧岩木町) is a
// part of 弘前市 and has its office.
inline const std::vector<std::string> kFixtureOfficeLines = {
    "No,todofuken,chiku,lat,lon,office_kind,office",
    "1,北海道,札幌市,43.06208877,141.3543886,0,札幌市",
    "3,青森県,青森市,40.82222222,140.7475,0,青森市",
    "4,青森県,\"弘前市 (旧岩木町)\",40.60305556,140.4641667,1,弘前市",
    "5,岩手県,盛岡市,39.70194444,141.1541667,0,盛岡市",
};

// UTF-16LE with its byte-order mark; the fixture's characters all lie in the BMP.
inline std::string utf16le_with_bom(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
        char32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : (lead & 0x0F);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += static_cast<char>(code & 0xFF);
        out += static_cast<char>(code >> 8);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

class DataFolder {
public:
    DataFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("korvex_site_" + std::to_string(::getpid()) + "_" +
                 std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~DataFolder() { std::filesystem::remove_all(path_); }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write_bytes(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    // UTF-8 lines written in Shift_JIS, CR LF after each.
    void write_lines(const std::string& name, const std::vector<std::string>& lines) const {
        std::string text;
        for (const auto& line : lines) text += line + "\r\n";
        write_bytes(name, common::utf8_to_cp932(text).value());
    }

    void write_fixture() const {
        write_lines("Data_Address.csv", kFixtureAddressLines);
        write_lines("Data_SnowfallV.csv", kFixtureZoneLines);
    }

    // The office points and the shipped coastline of `shipped_folder`, for the
    // sea ratio.
    void write_sea_fixture(const std::filesystem::path& shipped_folder) const {
        write_lines("Data_Office.csv", kFixtureOfficeLines);
        std::filesystem::copy_file(shipped_folder / "Data_Coastline.bin",
                                   path_ / "Data_Coastline.bin",
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    std::filesystem::path path_;
};

} // namespace korvex::testing
