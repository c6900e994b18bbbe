#include "form/roof.h"

#include <array>

namespace korvex::form {

namespace {

template <std::size_t N>
void tick_only(const std::array<RadioButton*, N>& group, std::size_t index) {
    for (std::size_t i = 0; i < N; ++i) {
        group[i]->checked = i == index;
        highlight_radio(*group[i]);
    }
}

} // namespace

void select_roof_type(InputForm& form, calc::RoofType type) {
    static constexpr const char* kPictures[4] = {"Shed_roof.bmp", "Gable_roof.bmp",
                                                 "Circular_arc_roof.bmp", "Independent_roof.bmp"};
    const int code = calc::code(type);
    form.state.roofType = type;
    tick_only(std::array{&form.monoPitchRoofRadio, &form.gableRoofRadio, &form.arcRoofRadio,
                         &form.canopyRoofRadio},
              static_cast<std::size_t>(code - 3));
    form.roofPicture.pictureFile = kPictures[code - 3];
    // The canopy roof shape applies to the free-standing canopy only, the
    // building form to the other roof types; both groups share one place.
    form.canopyShapeGroup.visible = type == calc::RoofType::canopy;
    form.buildingFormGroup.visible = type != calc::RoofType::canopy;
}

void select_building_form(InputForm& form, calc::BuildingForm building_form) {
    static constexpr const char* kPictures[3] = {"Shape_close.bmp", "Shape_windward.bmp",
                                                 "Shape_leeward.bmp"};
    const int code = calc::code(building_form);
    form.state.buildingForm = building_form;
    tick_only(
        std::array{&form.closedFormRadio, &form.windwardOpenFormRadio, &form.leewardOpenFormRadio},
        static_cast<std::size_t>(code));
    form.buildingFormPicture.pictureFile = kPictures[code];
}

void select_canopy_shape(InputForm& form, calc::CanopyShape shape) {
    static constexpr const char* kPictures[2] = {"Shape_gable.bmp", "Shape_wing_roof.bmp"};
    const int code = calc::code(shape);
    form.state.canopyShape = shape;
    tick_only(std::array{&form.gableCanopyRadio, &form.wingCanopyRadio},
              static_cast<std::size_t>(code));
    form.canopyShapePicture.pictureFile = kPictures[code];
}

} // namespace korvex::form
