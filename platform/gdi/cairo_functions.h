#pragma once
// The functions of cairo that printing draws with, from the library loaded on the first print.
#include <cairo-pdf.h>
#include <cairo.h>

struct CairoFunctions {
  decltype(::cairo_arc)* arc;
  decltype(::cairo_clip)* clip;
  decltype(::cairo_create)* create;
  decltype(::cairo_debug_reset_static_data)* debug_reset_static_data;
  decltype(::cairo_destroy)* destroy;
  decltype(::cairo_fill)* fill;
  decltype(::cairo_font_face_destroy)* font_face_destroy;
  decltype(::cairo_image_surface_create)* image_surface_create;
  decltype(::cairo_image_surface_get_data)* image_surface_get_data;
  decltype(::cairo_image_surface_get_stride)* image_surface_get_stride;
  decltype(::cairo_line_to)* line_to;
  decltype(::cairo_matrix_init_scale)* matrix_init_scale;
  decltype(::cairo_matrix_init_translate)* matrix_init_translate;
  decltype(::cairo_move_to)* move_to;
  decltype(::cairo_new_path)* new_path;
  decltype(::cairo_pattern_create_for_surface)* pattern_create_for_surface;
  decltype(::cairo_pattern_destroy)* pattern_destroy;
  decltype(::cairo_pattern_set_extend)* pattern_set_extend;
  decltype(::cairo_pattern_set_filter)* pattern_set_filter;
  decltype(::cairo_pattern_set_matrix)* pattern_set_matrix;
  decltype(::cairo_pdf_surface_create_for_stream)* pdf_surface_create_for_stream;
  decltype(::cairo_rectangle)* rectangle;
  decltype(::cairo_restore)* restore;
  decltype(::cairo_rotate)* rotate;
  decltype(::cairo_save)* save;
  decltype(::cairo_scale)* scale;
  decltype(::cairo_set_font_face)* set_font_face;
  decltype(::cairo_set_font_matrix)* set_font_matrix;
  decltype(::cairo_set_line_cap)* set_line_cap;
  decltype(::cairo_set_line_width)* set_line_width;
  decltype(::cairo_set_source)* set_source;
  decltype(::cairo_set_source_rgb)* set_source_rgb;
  decltype(::cairo_show_page)* show_page;
  decltype(::cairo_show_text)* show_text;
  decltype(::cairo_status)* status;
  decltype(::cairo_stroke)* stroke;
  decltype(::cairo_surface_destroy)* surface_destroy;
  decltype(::cairo_surface_finish)* surface_finish;
  decltype(::cairo_surface_flush)* surface_flush;
  decltype(::cairo_surface_mark_dirty)* surface_mark_dirty;
  decltype(::cairo_surface_status)* surface_status;
  decltype(::cairo_toy_font_face_create)* toy_font_face_create;
  decltype(::cairo_translate)* translate;
};

// cairo's functions, or null when the library or one of them is missing.
const CairoFunctions* Cairo();
