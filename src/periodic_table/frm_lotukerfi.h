// The secondary window with the periodic table of all 118 elements: a grid of cells with a
// badge on each, coloured by one of four views with its legend, showing atomic numbers or
// atomic weights, and a preview of the clicked element.
#pragma once

#include <cstdint>

#include "elements/module1.h"
#include "forms/form.h"
#include "periodic_table/colour_views.h"

class frmLotukerfi : public forms::Form {
public:
    frmLotukerfi();

protected:
    forms::WindowSpec windowSpec() const override;
    std::vector<forms::ControlSpec> controlSpecs() const override;

private:
    using Int16 = std::int16_t;

    // What the cells and badges show in one display mode.
    struct CaptionMode;

    void cmdOK_Click();
    void Form_Activate() override;
    void Form_Load() override;
    void ShowAtomicWeights();
    void ShowAtomicNumbers();
    void SyncCellColours();
    void lblFr_Click(Int16& Index);
    void optBirta_Click(Int16& Index);
    void optSyn_Click(Int16& Index);

    // The loop over the cells and their badges that both caption passes share.
    void CaptionCells(const CaptionMode& Mode);
    // Shows the view's legend alone, paints every cell in the view's colours and carries
    // them over to the badges and the preview.
    void ApplyView(const colour_views::ColourView& View);

    // Layout of the grid, in twips; written by Form_Load.
    Int16 CellSize = 0;
    Int16 PeriodTop1 = 0;
    Int16 PeriodTop2 = 0;
    Int16 PeriodTop3 = 0;
    Int16 PeriodTop4 = 0;
    Int16 PeriodTop5 = 0;
    Int16 PeriodTop6 = 0;
    Int16 PeriodTop7 = 0;
    Int16 LanthanideTop = 0;
    Int16 ActinideTop = 0;
    // GroupLeft1 to GroupLeft18: Left of the cells of columns (groups) 1 to 18.
    Int16 GroupLeft1 = 0;
    Int16 GroupLeft2 = 0;
    Int16 GroupLeft3 = 0;
    Int16 GroupLeft4 = 0;
    Int16 GroupLeft5 = 0;
    Int16 GroupLeft6 = 0;
    Int16 GroupLeft7 = 0;
    Int16 GroupLeft8 = 0;
    Int16 GroupLeft9 = 0;
    Int16 GroupLeft10 = 0;
    Int16 GroupLeft11 = 0;
    Int16 GroupLeft12 = 0;
    Int16 GroupLeft13 = 0;
    Int16 GroupLeft14 = 0;
    Int16 GroupLeft15 = 0;
    Int16 GroupLeft16 = 0;
    Int16 GroupLeft17 = 0;
    Int16 GroupLeft18 = 0;
    Int16 LegendTop = 0;
    Int16 PanelLeft = 0;
    Int16 OptionsTop = 0;
    // The atomic number of the last clicked cell; 0 = none yet.
    ElementIndex SelectedElement = 0;
};
