#pragma once
// The exports the engine binds from each library, in binding order, as X-macro lists: X(name) for each.
// Every call the engine makes into FFmpeg, SDL or the C library goes through an entry point generated from
// these lists; a library that lacks one of its names is not loaded. The lists carry no declarations, so
// code that must not see the libraries' headers (test doubles of the libraries) can expand them too.

/// One member of an entry-point table: a pointer typed like the export's declaration, empty until bound.
#define ZORVIK_DECLARE_ENTRY(name) decltype(&::name) name {};

#define ZORVIK_AVCODEC_EXPORTS(X)                                                                              \
  X(avcodec_get_class) X(avcodec_find_decoder) X(avcodec_find_decoder_by_name) X(avcodec_find_encoder)         \
  X(avcodec_find_encoder_by_name) X(avcodec_descriptor_get) X(avcodec_alloc_context3) X(avcodec_free_context)  \
  X(avcodec_parameters_alloc) X(avcodec_parameters_free) X(avcodec_parameters_copy)                            \
  X(avcodec_parameters_to_context) X(avcodec_parameters_from_context) X(avcodec_open2) X(avcodec_send_packet)  \
  X(avcodec_receive_frame) X(avcodec_send_frame) X(avcodec_receive_packet) X(avcodec_flush_buffers)            \
  X(avcodec_decode_subtitle2) X(avcodec_encode_subtitle) X(avsubtitle_free) X(avcodec_string)                  \
  X(avcodec_find_best_pix_fmt_of_list) X(av_get_bits_per_sample) X(av_packet_alloc) X(av_packet_free)          \
  X(av_packet_ref) X(av_packet_unref) X(av_packet_make_refcounted) X(av_new_packet) X(av_packet_rescale_ts)    \
  X(av_packet_get_side_data) X(av_bsf_get_by_name) X(av_bsf_alloc) X(av_bsf_init) X(av_bsf_send_packet)        \
  X(av_bsf_receive_packet) X(av_bsf_free) X(av_rdft_init) X(av_rdft_calc) X(av_rdft_end)

#define ZORVIK_AVFILTER_EXPORTS(X)                                                                             \
  X(avfilter_get_by_name) X(avfilter_graph_alloc) X(avfilter_graph_create_filter) X(avfilter_graph_parse_ptr)  \
  X(avfilter_graph_config) X(avfilter_graph_free) X(avfilter_inout_alloc) X(avfilter_inout_free)               \
  X(avfilter_link) X(av_buffersrc_add_frame_flags) X(av_buffersink_get_frame) X(av_buffersink_get_frame_flags) \
  X(av_buffersink_get_w) X(av_buffersink_get_h) X(av_buffersink_get_sample_aspect_ratio)

#define ZORVIK_AVFORMAT_EXPORTS(X)                                                                             \
  X(avformat_get_class) X(avformat_alloc_context) X(avformat_alloc_output_context2) X(avformat_free_context)   \
  X(avformat_open_input) X(avformat_find_stream_info) X(avformat_close_input) X(avformat_new_stream)           \
  X(avformat_write_header) X(av_write_trailer) X(av_interleaved_write_frame) X(av_read_frame) X(av_read_pause) \
  X(av_read_play) X(av_seek_frame) X(avformat_seek_file) X(av_find_input_format) X(av_guess_format)            \
  X(av_guess_codec) X(av_codec_get_id) X(av_codec_get_tag2) X(av_filename_number_test) X(av_demuxer_iterate)   \
  X(av_muxer_iterate) X(avio_enum_protocols) X(av_dump_format) X(av_sdp_create) X(av_pkt_dump_log2)            \
  X(av_hex_dump_log) X(avio_open2) X(avio_closep) X(avio_size) X(avio_seek) X(avio_feof) X(avio_flush)         \
  X(avio_write) X(avio_alloc_context) X(avio_context_free) X(av_guess_frame_rate) X(av_stream_get_parser)      \
  X(av_stream_get_side_data) X(av_stream_new_side_data)

#define ZORVIK_AVUTIL_EXPORTS(X)                                                                               \
  X(av_log) X(av_log_set_callback) X(av_log_set_level) X(av_log_get_level) X(av_log_default_callback)          \
  X(av_malloc) X(av_mallocz) X(av_realloc) X(av_free) X(av_freep) X(av_strdup) X(av_strlcpy) X(av_strstart)    \
  X(av_fast_malloc) X(av_fast_realloc) X(av_gcd) X(av_reduce) X(av_rescale) X(av_rescale_q)                    \
  X(av_rescale_q_rnd) X(av_compare_ts) X(av_d2q) X(av_find_nearest_q_idx) X(av_gettime)                        \
  X(av_gettime_relative) X(av_get_pix_fmt) X(av_get_pix_fmt_name) X(av_get_pix_fmt_string)                     \
  X(av_pix_fmt_desc_get) X(av_pix_fmt_desc_next) X(av_pix_fmt_desc_get_id)                                     \
  X(av_pix_fmt_get_chroma_sub_sample) X(av_get_sample_fmt) X(av_get_sample_fmt_name)                           \
  X(av_get_sample_fmt_string) X(av_get_bytes_per_sample) X(av_sample_fmt_is_planar)                            \
  X(av_samples_set_silence) X(av_samples_alloc) X(av_samples_copy) X(av_audio_fifo_alloc)                      \
  X(av_audio_fifo_free) X(av_audio_fifo_write) X(av_audio_fifo_read) X(av_audio_fifo_size)                     \
  X(av_audio_fifo_realloc) X(av_image_alloc) X(av_image_copy) X(av_image_fill_arrays)                          \
  X(av_image_get_buffer_size) X(av_frame_alloc) X(av_frame_free) X(av_frame_ref) X(av_frame_unref)             \
  X(av_frame_get_buffer) X(av_frame_make_writable) X(av_get_picture_type_char) X(av_dict_get) X(av_dict_set)   \
  X(av_dict_copy) X(av_dict_free) X(av_opt_find) X(av_opt_find2) X(av_opt_set) X(av_opt_set_int)               \
  X(av_opt_set_bin) X(av_opt_set_double) X(av_opt_copy) X(av_opt_get) X(av_opt_get_int) X(av_parse_time)       \
  X(av_parse_video_rate) X(av_parse_video_size) X(av_channel_layout_default) X(av_channel_layout_copy)         \
  X(av_channel_layout_compare) X(av_channel_layout_uninit) X(av_dynarray_add) X(av_strerror)                  \
  X(av_opt_serialize) X(av_dict_get_string) X(av_dict_parse_string) X(av_channel_layout_describe)             \
  X(av_channel_layout_from_string) X(av_display_rotation_get)

#define ZORVIK_SWSCALE_EXPORTS(X)                                                                              \
  X(sws_getContext) X(sws_getCachedContext) X(sws_scale) X(sws_freeContext) X(sws_alloc_context)

#define ZORVIK_SWRESAMPLE_EXPORTS(X)                                                                           \
  X(swr_alloc_set_opts2) X(swr_init) X(swr_convert) X(swr_get_out_samples) X(swr_set_compensation)             \
  X(swr_free)

// The C library is bound as a presence check only: the engine calls it directly.
#define ZORVIK_MYUTIL_EXPORTS(X)                                                                               \
  X(fopen) X(fclose) X(fread) X(fwrite) X(fseeko) X(ftello) X(fprintf) X(snprintf) X(vsnprintf) X(strtol)      \
  X(strtok_r)

#define ZORVIK_SDL_EXPORTS(X)                                                                                  \
  X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_OpenAudioDevice)              \
  X(SDL_PauseAudioDevice) X(SDL_CloseAudioDevice) X(SDL_MixAudioFormat) X(SDL_GetCurrentAudioDriver)           \
  X(SDL_CreateMutex) X(SDL_LockMutex) X(SDL_UnlockMutex) X(SDL_DestroyMutex) X(SDL_CreateCond)                 \
  X(SDL_DestroyCond) X(SDL_CondSignal) X(SDL_CondWait) X(SDL_CreateThread) X(SDL_WaitThread) X(SDL_AddTimer)   \
  X(SDL_RemoveTimer)
