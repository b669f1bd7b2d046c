#include "sheets/worksheet.h"

#include <algorithm>

namespace sheets {

namespace {

constexpr int kSpalten = 6;
const std::string kZellenende = "   ";
const std::string kCrLf = "\r\n";

std::string zahlzelle(const std::string& prefix, long long number) {
    return prefix + rechtsbuendig4(number) + kZellenende;
}

}  // namespace

bool istErgebniszeile(int item) {
    return std::find(kErgebniszeilen.begin(), kErgebniszeilen.end(), item) != kErgebniszeilen.end();
}

std::string rechtsbuendig4(long long number) {
    const std::string padded = "     " + std::to_string(number);
    return padded.substr(padded.size() - 4);
}

std::vector<std::string> blockEinSubtrahend(rt::Random& random) {
    std::string minuend, subtrahend, unterstrich, ergebnis, striche;
    random.reseed();
    for (int spalte = 0; spalte < kSpalten; ++spalte) {
        const long long differenz = rt::drawWhole(random, 900, 100);
        ergebnis += zahlzelle(" ", differenz);
        const long long abzug = rt::drawWhole(random, 1000, 1);
        subtrahend += zahlzelle("-", abzug);
        unterstrich += "_____" + kZellenende;
        minuend += zahlzelle(" ", differenz + abzug);
        striche += "-----" + kZellenende;
    }
    return {minuend, subtrahend, unterstrich, ergebnis, striche, kLeerzeile, kLeerzeile};
}

std::vector<std::string> blockZweiSubtrahenden(rt::Random& random) {
    std::string minuend, erster, zweiter, unterstrich, ergebnis, striche;
    for (int spalte = 0; spalte < kSpalten; ++spalte) {
        const long long differenz = rt::drawWhole(random, 900, 100);
        ergebnis += zahlzelle(" ", differenz);
        const long long abzug1 = rt::drawWhole(random, 900, 100);
        erster += zahlzelle("-", abzug1);
        const long long abzug2 = rt::drawWhole(random, 1000, 1);
        zweiter += zahlzelle("-", abzug2);
        unterstrich += "_____" + kZellenende;
        minuend += zahlzelle(" ", differenz + abzug1 + abzug2);
        striche += "-----" + kZellenende;
    }
    return {minuend, erster, zweiter, unterstrich, ergebnis, striche, kLeerzeile, kLeerzeile};
}

std::vector<std::string> rechenblatt(rt::Random& random) {
    std::vector<std::string> lines;
    lines.reserve(kZeilenProBlatt);
    const auto anhaengen = [&lines](const std::vector<std::string>& block) {
        lines.insert(lines.end(), block.begin(), block.end());
    };
    for (int block = 0; block < 3; ++block) anhaengen(blockEinSubtrahend(random));
    for (int block = 0; block < 2; ++block) anhaengen(blockZweiSubtrahenden(random));
    return lines;
}

std::vector<std::string> aufgabenblatt(const std::vector<std::string>& lines) {
    std::vector<std::string> aufgaben = lines;
    for (int item : kErgebniszeilen) {
        if (item < static_cast<int>(aufgaben.size()))
            aufgaben[static_cast<std::size_t>(item)] = kLeerzeile;
    }
    return aufgaben;
}

void seiteDrucken(rt::Printer& printer, const std::string& heading,
                  const std::vector<std::string>& lines) {
    printer.setFont("Courier New", 18);
    printer.setCurrentX(0);
    printer.setCurrentY(0);
    printer.printLine("");
    printer.printLine(heading);
    printer.printLine("");
    printer.printLine("");
    for (const std::string& line : lines) printer.printLine(line);
}

std::string ablagetext(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : aufgabenblatt(lines)) text += line + kCrLf;
    text += kCrLf + kCrLf;
    for (const std::string& line : lines) text += line + kCrLf;
    return text;
}

}  // namespace sheets
