#include "FilterActuator.h"

namespace tween {

using framework::BitmapFilter;
using runtime::Ref;
using runtime::Value;

namespace {
constexpr std::string_view FILTER = "filter";
constexpr std::string_view FILTERS = "filters";
}  // namespace

FilterActuator::FilterActuator(const Ref<runtime::Object>& target, double duration, const Ref<runtime::Object>& properties)
    : SimpleActuator(target, duration, properties) {
    Value reference = properties ? getField(properties.get(), FILTER) : Value();
    if (auto* cls = reference.as<runtime::ClassRef>()) {
        filterClass = Ref<runtime::ClassRef>(cls);
        Ref<runtime::Array> list = readFilters(target.get());
        if (list->length() == 0) {
            auto fresh = runtime::make<runtime::Array>();
            fresh->push(Value(filterClass->create()));
            setField(target.get(), FILTERS, Value(fresh));
            list = readFilters(target.get());
        }
        for (const Value& f : list->items)
            if (filterClass->isInstance(f.object())) filter = Ref<BitmapFilter>(f.as<BitmapFilter>());
    } else {
        filterIndex = reference.toInt();
        Ref<runtime::Array> list = readFilters(target.get());
        filter = Ref<BitmapFilter>(list->at(filterIndex).as<BitmapFilter>());
    }
}

Ref<GenericActuator> FilterActuator::create(const Ref<runtime::Object>& target, double duration,
                                            const Ref<runtime::Object>& properties) {
    return runtime::make<FilterActuator>(target, duration, properties);
}

Ref<runtime::Array> FilterActuator::readFilters(runtime::Object* t) {
    Ref<runtime::Array> list(getField(t, FILTERS).as<runtime::Array>());
    return list ? list : runtime::make<runtime::Array>();
}

void FilterActuator::storeFilter(runtime::Object* t) {
    if (!t) return;
    Ref<runtime::Array> list = readFilters(t);
    Value f(filter);
    if (filterIndex <= -1) {
        if (filterClass)
            for (Value& entry : list->items)
                if (filterClass->isInstance(entry.object())) entry = f;
    } else if (filterIndex < list->length()) {
        list->items[static_cast<std::size_t>(filterIndex)] = f;
    }
    setField(t, FILTERS, Value(list));
}

void FilterActuator::initialize() {
    if (filter && properties) {
        const runtime::ClassInfo* ci = filter->classInfo();
        for (const std::string& key : properties->fieldNames()) {
            if (key == FILTER) continue;
            const runtime::Member* member = ci ? ci->findMember(key) : nullptr;
            Value start = getField(filter.get(), key);
            Value end = getField(properties.get(), key);
            if (!member || !start.isNumber() || !end.isNumber()) continue;
            propertyDetails.emplace_back(Ref<runtime::Object>(filter), key, start.toFloat(),
                                         end.toFloat() - start.toFloat(), false);
        }
    }
    detailsLength = static_cast<int>(propertyDetails.size());
    initialized = true;
}

void FilterActuator::apply() {
    if (filter && properties)
        for (const std::string& key : properties->fieldNames())
            if (key != FILTER) setField(filter.get(), key, getField(properties.get(), key));
    Ref<runtime::Object> t = target.lock();
    storeFilter(t.get());
}

void FilterActuator::update(double time) {
    Ref<FilterActuator> keep(this);
    Ref<runtime::Object> t = target.lock();
    SimpleActuator::update(time);
    storeFilter(t.get());
}

RUNTIME_DEFINE_CLASS(FilterActuator, "tween.actuators.FilterActuator", SimpleActuator, (auto& b) {
    b.template field<&FilterActuator::filter>("filter")
        .template field<&FilterActuator::filterClass>("filterClass")
        .template field<&FilterActuator::filterIndex>("filterIndex");
})

}  // namespace tween
