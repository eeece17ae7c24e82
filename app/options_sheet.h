#pragma once
// The pages of the Options sheet: what Send To does, and the tips and image extensions.
#include "controls/qz_property_sheet.h"
#include "framework/control.h"

#include <cstdint>
#include <string>

class TSendTo : public TQZPropertyPage {
public:
    TSendTo(TPropertySheet* sheet, int32_t* sendToIndex);

protected:
    void SetupWindow() override;
    LRESULT Apply() override;

private:
    int32_t* SendToIndex;
    TRadioButton CopyName;
    TRadioButton CopyLine;
};

class TVariousOptions : public TQZPropertyPage {
public:
    TVariousOptions(TPropertySheet* sheet, bool* useTip, std::string* imageExt, bool* askSaveList);

protected:
    void SetupWindow() override;
    LRESULT Apply() override;

private:
    bool* UseTip;
    std::string* ImageExt;
    bool* AskSaveList;
    TCheckBox UseTipBox;
    TEdit ImageExtField;
    TCheckBox AskSaveListBox;
};
