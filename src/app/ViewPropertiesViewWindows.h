#pragma once
// "View Properties": how the grid is shown on screen (zoom, direction arrows, how often a
// running fill redraws, the unch and filling colours). These are the program's view,
// not the grid's: changes take no undo checkpoint and are never saved with a grid.

#include "app/PropertiesViewWindows.h"

namespace tessaran {

class ViewPropertiesViewWindows : public PropertiesViewWindows {
    Q_OBJECT
public:
    // The zoom percentages offered, in list order.
    static constexpr int kZoomFactors[] = {100, 150, 75, 50};

    ViewPropertiesViewWindows(GridViewWindows& gridView, Settings& settings,
                              QWidget* parent = nullptr);

    // The list entry that shows a stored zoom ("100%" for anything not offered), and the
    // entry a stored redisplay frequency shows (below 1 Slow, 1 Medium, above Fast).
    static int zoomIndex(int zoomFactor);
    static int frequencyIndex(int fillSyncFrequency);

protected:
    void load() override;

private:
    void changeView(const std::function<void()>& change);

    Settings& m_settings;
    PVWEnumeration* m_zoom;
    PVWEnumeration* m_arrows;
    PVWEnumeration* m_frequency;
    PVWColourButton* m_underunched;
    PVWColourButton* m_overunched;
    PVWColourButton* m_mainBranch;
    PVWColourButton* m_sideBranch;
};

}  // namespace tessaran
