#pragma once
// Runs scenario files: each case is a fresh run of the program over a scripted desktop, driven
// line by line as a player would drive it, with every check and every message box verified.

#include <QString>

#include <vector>

class WindowCatalog;

struct CaseResult {
    QString file;
    QString name;
    bool passed = false;
    int line = 0; // where it failed
    QString message;
};

std::vector<CaseResult> runScenarioText(const QString& text, const QString& fileName,
                                        const WindowCatalog& windows);
std::vector<CaseResult> runScenarioFile(const QString& path, const WindowCatalog& windows);
