#include "platform/gdi/cairo_functions.h"

#include "platform/gdi/loaded_library.h"

namespace {

bool TakeAll(const LoadedLibrary& library, CairoFunctions& functions) {
  return library.Take(functions.arc, "cairo_arc") && library.Take(functions.clip, "cairo_clip") &&
         library.Take(functions.create, "cairo_create") &&
         library.Take(functions.debug_reset_static_data, "cairo_debug_reset_static_data") &&
         library.Take(functions.destroy, "cairo_destroy") && library.Take(functions.fill, "cairo_fill") &&
         library.Take(functions.font_face_destroy, "cairo_font_face_destroy") &&
         library.Take(functions.image_surface_create, "cairo_image_surface_create") &&
         library.Take(functions.image_surface_get_data, "cairo_image_surface_get_data") &&
         library.Take(functions.image_surface_get_stride, "cairo_image_surface_get_stride") &&
         library.Take(functions.line_to, "cairo_line_to") &&
         library.Take(functions.matrix_init_scale, "cairo_matrix_init_scale") &&
         library.Take(functions.matrix_init_translate, "cairo_matrix_init_translate") &&
         library.Take(functions.move_to, "cairo_move_to") && library.Take(functions.new_path, "cairo_new_path") &&
         library.Take(functions.pattern_create_for_surface, "cairo_pattern_create_for_surface") &&
         library.Take(functions.pattern_destroy, "cairo_pattern_destroy") &&
         library.Take(functions.pattern_set_extend, "cairo_pattern_set_extend") &&
         library.Take(functions.pattern_set_filter, "cairo_pattern_set_filter") &&
         library.Take(functions.pattern_set_matrix, "cairo_pattern_set_matrix") &&
         library.Take(functions.pdf_surface_create_for_stream, "cairo_pdf_surface_create_for_stream") &&
         library.Take(functions.rectangle, "cairo_rectangle") && library.Take(functions.restore, "cairo_restore") &&
         library.Take(functions.rotate, "cairo_rotate") && library.Take(functions.save, "cairo_save") &&
         library.Take(functions.scale, "cairo_scale") && library.Take(functions.set_font_face, "cairo_set_font_face") &&
         library.Take(functions.set_font_matrix, "cairo_set_font_matrix") &&
         library.Take(functions.set_line_cap, "cairo_set_line_cap") &&
         library.Take(functions.set_line_width, "cairo_set_line_width") &&
         library.Take(functions.set_source, "cairo_set_source") &&
         library.Take(functions.set_source_rgb, "cairo_set_source_rgb") &&
         library.Take(functions.show_page, "cairo_show_page") && library.Take(functions.show_text, "cairo_show_text") &&
         library.Take(functions.status, "cairo_status") && library.Take(functions.stroke, "cairo_stroke") &&
         library.Take(functions.surface_destroy, "cairo_surface_destroy") &&
         library.Take(functions.surface_finish, "cairo_surface_finish") &&
         library.Take(functions.surface_flush, "cairo_surface_flush") &&
         library.Take(functions.surface_mark_dirty, "cairo_surface_mark_dirty") &&
         library.Take(functions.surface_status, "cairo_surface_status") &&
         library.Take(functions.toy_font_face_create, "cairo_toy_font_face_create") &&
         library.Take(functions.translate, "cairo_translate");
}

}  // namespace

const CairoFunctions* Cairo() { return FunctionTable<CairoFunctions>("libcairo.so.2", TakeAll); }
