#pragma once

// The exact area a polygon covers in a disk, edge by edge.
//
// For a closed ring and a disk of radius r about the origin, the signed area of
// the ring's inside within the disk is the sum over its edges (p, q) of the
// signed area of triangle (origin, p, q) within the disk. Where an edge stays
// outside the disk that area is the sector r^2/2 times the angle the edge
// subtends, and the angles of a ring add up to 2 pi times its winding number
// about the origin. So for rings whose inside has winding number 1 (the sea)
// and 0 (the land):
//
//     area within the disk = pi r^2 W + sum over the edges that enter the disk
//                            of edge_disk_term(p, q, r)
//
// with W the winding number at the origin (1 at sea, 0 on land). Edges that
// never enter the disk add nothing, which is what lets a spatial index skip
// them. The sum is exact: no sampling, no step size.

#include "sea/equal_area_projection.h"

namespace korvex::sea {

// Of the piece of edge (p, q) inside the disk of radius r about the origin,
// between its points a and b: the triangle (origin, a, b) minus the sector
// between the rays through a and b, both signed counterclockwise. Zero for an
// edge that does not enter the disk.
double edge_disk_term(PlanePoint p, PlanePoint q, double r);

// The distance of the origin from segment (p, q).
double distance_to_segment(PlanePoint p, PlanePoint q);

} // namespace korvex::sea
