#include "calc/product_tables.h"

namespace korvex::calc {

namespace {

struct DeckType {
    const char* name;
    double height;
    double area;
    double sectionModulus;
    double momentOfInertia;
    int unitWeight[2]; // Z12, Z27
};

constexpr DeckType kDeckTypes[kDeckTypeCount] = {
    {"KX-50-12", 50, 9.784, 26.3, 66.3, {127, 131}},
    {"KX-50-16", 50, 13.02, 34.4, 87.1, {169, 172}},
    {"KX-75-12", 75, 10.65, 36.3, 163.0, {138, 142}},
    {"KX-75-16", 75, 14.19, 52.7, 216.0, {183, 188}},
};

struct Fastener {
    const char* name;
    int capacity;
};

constexpr Fastener kFasteners[kFastenerCount] = {
    {"木ねじ SR-N60", 1600},
    {"木ねじ SR5×105", 1120},
    {"木ねじ SR5×105 2本", 1625},
};

const DeckType* deck(int index) {
    return index >= 0 && index < kDeckTypeCount ? &kDeckTypes[index] : nullptr;
}

} // namespace

const char* deck_name(int i) {
    return deck(i) ? deck(i)->name : "";
}
double deck_height(int i) {
    return deck(i) ? deck(i)->height : 0.0;
}
double deck_area(int i) {
    return deck(i) ? deck(i)->area : 0.0;
}
double deck_section_modulus(int i) {
    return deck(i) ? deck(i)->sectionModulus : 0.0;
}
double deck_moment_of_inertia(int i) {
    return deck(i) ? deck(i)->momentOfInertia : 0.0;
}

int deck_unit_weight(int surface_index, int deck_index) {
    if (!deck(deck_index) || surface_index < 0 || surface_index > 1) return 0;
    return deck(deck_index)->unitWeight[surface_index];
}

const char* fastener_name(int i) {
    return i >= 0 && i < kFastenerCount ? kFasteners[i].name : "";
}

int fastener_capacity(int i) {
    if (i == 1 || i == 2) return kFasteners[i].capacity;
    return 1600;
}

} // namespace korvex::calc
