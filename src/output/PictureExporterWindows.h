#pragma once
// Draws the grid's pictures that need a real device: a bitmap at the screen's scale
// (BMP and PNG), and vector pictures in twips (SVG and PDF).

#include <memory>

#include "output/PictureExporter.h"

class QGuiApplication;

namespace tessaran {

class PictureExporterWindows : public PictureExporter {
public:
    // Fonts need a GUI application object; when none exists (batch mode) one is made on
    // the offscreen platform unless QT_QPA_PLATFORM names another, and kept for this
    // object's life.
    PictureExporterWindows();
    ~PictureExporterWindows() override;

    bool draws(ExportKind kind) const override;
    std::optional<std::string> drawPicture(ExportKind kind, const Grid& grid,
                                           const ViewSettings& settings, bool includeNumbers,
                                           bool includeAnswers) const override;

private:
    void ensureApplication() const;

    mutable int m_argc = 1;
    mutable char m_programName[10] = "gridsmith";
    mutable char* m_argv[2] = {m_programName, nullptr};
    mutable std::unique_ptr<QGuiApplication> m_application;
};

}  // namespace tessaran
