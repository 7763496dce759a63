#pragma once

#include "platform/component/Connection.h"
#include "platform/component/Control.h"
#include "platform/component/Persistence.h"
#include "platform/component/Picture.h"
#include "platform/component/Server.h"
#include "platform/windowregion/WindowRegionSystem.h"
#include "shape/control/FormShapeIds.h"
#include "shape/control/IFormShape.h"
#include "shape/region/Region.h"
#include "shape/region/ShapeRegion.h"
#include "shape/region/ShapeString.h"

#include <optional>
#include <string>

namespace quorvex::platform {
class MetafileRenderer;
}

namespace quorvex::shape {

namespace component = platform::component;

// The window-shape control: clips the window `hWnd` to the outline built
// from a shape string or a masked picture, re-applying it after every change
// that affects it. It paints only a small fixed image of itself (at design
// time) and raises no events; property changes are reported to
// IPropertyNotifySink connections.
//
// The window system and the metafile renderer are passed in; a region the
// control installs belongs to the window system from then on, and destroying
// the control leaves the window's outline as it is.
class FormShape final : public IFormShape,
                        public component::IViewObject,
                        public component::IOleObject,
                        public component::IOleControl,
                        public component::IPersistStreamInit,
                        public component::IPersistPropertyBag,
                        public component::IPersistStorage,
                        public component::IConnectionPointContainer,
                        public component::IPerPropertyBrowsing,
                        public component::ISpecifyPropertyPages,
                        public component::IProvideClassInfo2 {
public:
    // Returns the new control with one reference, as IFormShape. `renderer`
    // may be null (metafile pictures then leave the window alone).
    static IFormShape* create(platform::WindowRegionSystem& windows, const platform::MetafileRenderer* renderer);

    // IUnknown
    HResult queryInterface(const Guid& iid, void** out) override;
    uint32_t addRef() override { return m_refs.add(); }
    uint32_t release() override;

    // IDispatch
    HResult getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids) override;
    HResult invoke(DispId id, component::InvokeKind kind, std::span<const component::Variant> args,
                   component::Variant* result) override;

    // IFormShape
    HResult getHWnd(int32_t* window) override;
    HResult putHWnd(int32_t window) override;
    HResult getShapeType(int16_t* type) override;
    HResult putShapeType(int16_t type) override;
    HResult getShapeString(std::u16string* text) override;
    HResult putShapeString(std::u16string_view text) override;
    HResult getShapePicture(IDispatch** picture) override;
    HResult putShapePicture(IDispatch* picture) override;
    HResult putRefShapePicture(IDispatch* picture) override;
    HResult getMaskColor(uint32_t* color) override;
    HResult putMaskColor(uint32_t color) override;
    HResult getAutoScale(VariantBool* autoScale) override;
    HResult putAutoScale(VariantBool autoScale) override;
    HResult getScaleX(double* scale) override;
    HResult putScaleX(double scale) override;
    HResult getScaleY(double* scale) override;
    HResult putScaleY(double scale) override;
    HResult refresh() override;

    // IViewObject
    HResult draw(component::Bitmap32& target, const component::DrawRect& bounds) override;

    // IOleObject
    HResult setClientSite(component::IOleClientSite* site) override;
    HResult getClientSite(component::IOleClientSite** site) override;
    HResult setExtent(const component::Extent& extent) override;
    HResult getExtent(component::Extent* extent) override;
    HResult getMiscStatus(uint32_t* status) override;
    HResult close() override;

    // IOleControl
    HResult onAmbientPropertyChange(DispId id) override;

    // IPersistStreamInit, IPersistPropertyBag, IPersistStorage
    HResult classId(Guid* clsid) override;
    HResult isDirty() override;
    HResult initNew() override;
    HResult load(component::IStream* stream) override;
    HResult save(component::IStream* stream, bool clearDirty) override;
    HResult getSizeMax(uint64_t* size) override;
    HResult load(component::IPropertyBag* bag) override;
    HResult save(component::IPropertyBag* bag, bool clearDirty, bool saveAll) override;
    HResult initNew(component::IStorage* storage) override;
    HResult load(component::IStorage* storage) override;
    HResult save(component::IStorage* storage, bool sameAsLoad) override;
    HResult saveCompleted(component::IStorage* storage) override;
    HResult handsOffStorage() override;

    // IConnectionPointContainer
    HResult findConnectionPoint(const Guid& iid, component::IConnectionPoint** out) override;

    // IPerPropertyBrowsing
    HResult getDisplayString(DispId id, std::u16string* text) override;
    HResult mapPropertyToPage(DispId id, Guid* page) override;
    HResult getPredefinedStrings(DispId id, std::vector<std::u16string>* strings,
                                 std::vector<uint32_t>* cookies) override;
    HResult getPredefinedValue(DispId id, uint32_t cookie, component::Variant* value) override;

    // ISpecifyPropertyPages
    HResult getPages(std::vector<Guid>* pages) override;

    // IProvideClassInfo2
    HResult getClassInfo(const component::ClassInfo** info) override;
    HResult getDefaultSourceIid(Guid* iid) override;

private:
    FormShape(platform::WindowRegionSystem& windows, const platform::MetafileRenderer* renderer);
    ~FormShape();

    // Rebuilds the base region from the held picture (ShapeType 1 only).
    void rebuildPictureRegion();
    // Parses the stored text and rebuilds the base region at scale 1.
    void rebuildStringRegion();
    // The base region from the parsed text, within baseLimits().
    void buildStringBase();
    RasterLimits baseLimits() const;
    void applyShape();
    // Marks the control as needing saving and tells the sinks.
    void changed(DispId id);
    HResult setPicture(IDispatch* picture, bool byReference);
    HResult invokePut(DispId id, const component::Variant& value, bool byReference);
    HResult invokeGet(DispId id, component::Variant* result);

    // Loading and saving the properties through their dispatch ids, in the
    // order the stream form and the property bag use.
    HResult loadProperties(component::IStream& stream);
    HResult putLoadedValue(DispId id, const component::Variant& value);
    HResult saveProperties(component::IStream& stream);

    component::RefCount m_refs;
    component::ServerObjectCounter m_counter;
    platform::WindowRegionSystem& m_windows;
    const platform::MetafileRenderer* m_renderer;
    component::ConnectionPoint m_propertyNotify;
    component::Ref<component::IOleClientSite> m_site;

    int32_t m_hWnd = 0;
    int16_t m_shapeType = kShapeFromString;
    std::string m_shapeString; // 8-bit text, as parsed
    component::Ref<IDispatch> m_picture;
    uint32_t m_maskColor = 0;
    bool m_autoScale = true;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;

    ParsedShape m_parsedShape;
    std::optional<Region> m_baseRegion;
    Rect m_baseClip = kRasterCanvas; // where the string's base region was rasterised
    component::Extent m_extent;
    bool m_dirty = false;
};

} // namespace quorvex::shape
