#include "app/PropertyDialogsWindows.h"

#include "app/CellPropertiesViewWindows.h"
#include "app/EditorCommands.h"
#include "app/GridPropertiesViewWindows.h"
#include "app/GridViewWindows.h"
#include "app/LightPropertiesViewWindows.h"
#include "app/ViewPropertiesViewWindows.h"

namespace tessaran {

PropertyDialogsWindows::PropertyDialogsWindows(GridViewWindows& gridView, Settings& settings)
    : QObject(&gridView), m_gridView(gridView), m_settings(settings) {
    setObjectName(QStringLiteral("propertyDialogs"));
    // The grid window keeps the handlers; once this object is gone they do nothing.
    const QPointer<PropertyDialogsWindows> self(this);
    gridView.setCommandHandler(command::ViewProperties, [self] {
        if (self)
            self->viewProperties().showWindow();
    });
    gridView.setCommandHandler(command::GridProperties, [self] {
        if (self)
            self->gridProperties().showWindow();
    });
    gridView.setCommandHandler(command::CellProperties, [self] {
        if (self)
            self->cellProperties().showWindow();
    });
    gridView.setCommandHandler(command::LightProperties, [self] {
        if (self)
            self->lightProperties().showWindow();
    });
}

// The windows are children of the frame (or of the grid window without one) and go with it.
PropertyDialogsWindows::~PropertyDialogsWindows() = default;

QWidget* PropertyDialogsWindows::owner() const {
    return m_gridView.window();
}

ViewPropertiesViewWindows& PropertyDialogsWindows::viewProperties() {
    if (!m_view)
        m_view = new ViewPropertiesViewWindows(m_gridView, m_settings, owner());
    return *m_view;
}

GridPropertiesViewWindows& PropertyDialogsWindows::gridProperties() {
    if (!m_grid)
        m_grid = new GridPropertiesViewWindows(m_gridView, m_settings, owner());
    return *m_grid;
}

CellPropertiesViewWindows& PropertyDialogsWindows::cellProperties() {
    if (!m_cell)
        m_cell = new CellPropertiesViewWindows(m_gridView, owner());
    return *m_cell;
}

LightPropertiesViewWindows& PropertyDialogsWindows::lightProperties() {
    if (!m_light)
        m_light = new LightPropertiesViewWindows(m_gridView, owner());
    return *m_light;
}

}  // namespace tessaran
