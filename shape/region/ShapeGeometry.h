#pragma once

// Region geometry of the shape library: everything needed to turn a shape
// text, a masked bitmap or a metafile into a window outline, free of Qt and
// of the window system (target `shape_region`, pixman only).
//
// Value types
//   Rect, Point            half-open integer rectangles and vertices (Rect.h)
//   Region                 a pixel set in pixman's canonical banded form;
//                          "no region" is std::optional<Region> (Region.h)
//     Region::fromRects, Region::polygon(points, FillRule),
//     Region::ellipse(box), combine(other, CombineMode), boundingBox(),
//     rects(), area(), contains(), operator==
//
// Shape text (ShapeString.h, ShapeRegion.h)
//   ParsedShape shape; shape.text = "{(0,0)(100,0)[100,50,180](0,100)}";
//   ParseShapeString(shape);                      // never fails
//   std::optional<Region> r = BuildShapeRegion(shape, 1.0, 1.0,
//                                 FillRule::Alternate, CombineMode::Xor);
//   BuildFigureRegion(records, rule, sx, sy)      // one figure
//
// Pictures (BitmapRegion.h)
//   BuildMaskRegion(BitmapView{pixels, w, h, stride}, 0xFF00FF)
//       32-bit 0xAARRGGBB pixels, e.g. from a QImage in Format_RGB32:
//       BitmapView{reinterpret_cast<const uint32_t*>(img.constBits()),
//                  img.width(), img.height(), size_t(img.bytesPerLine())}
//   BuildMonochromeRegion(bits, w, h, rowAlignment)
//   BuildMetafileRegion(renderer, bytes, format, w, h)
//       renderer: platform::MetafileRenderer (platform/metafile)
//
// Scaling and copying (ShapeRegion.h)
//   ScaleRegion(region, 0, 0, sx, sy); CopyRegion(optionalRegion)
//
// Installing (ApplyShape.h)
//   ApplyShape(ShapeApplyRequest{...}, windowRegionService, rendererOrNull)
//   WindowRegionService (WindowRegionService.h) is what the platform
//   implements: windowRect, setWindowRegion(rects), clearWindowRegion.
//
// All conversions of computed coordinates to integers truncate towards zero
// and saturate at +-kCoordinateLimit.

#include "shape/region/ApplyShape.h"
#include "shape/region/BitmapRegion.h"
#include "shape/region/Rect.h"
#include "shape/region/Region.h"
#include "shape/region/ShapeRegion.h"
#include "shape/region/ShapeString.h"
#include "shape/region/WindowRegionService.h"
