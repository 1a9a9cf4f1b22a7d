// The secondary window with the periodic table of all 118 elements: a grid of cells with a
// badge on each, coloured by one of four views with its legend, showing atomic numbers or
// atomic weights, and a preview of the clicked element.
#pragma once

#include <cstdint>

#include "elements/fixed_table.h"
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
    // GroupLeft(k): Left of the cells of column (group) k.
    FixedTable<Int16, 1, 18> GroupLeft{"GroupLeft"};
    Int16 LegendTop = 0;
    Int16 PanelLeft = 0;
    Int16 OptionsTop = 0;
    // The atomic number of the last clicked cell; 0 = none yet.
    ElementIndex SelectedElement = 0;
};
