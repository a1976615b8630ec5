-- Both builds in a headless Ardour with the factory presets in the user's preset folder:
-- Ardour lists them (as VST 3 presets, or as the VST 2 entry's programs), and loading
-- one sets the plug-in's parameters to the preset's values, as Ardour reads them back.
dofile(debug.getinfo(1, "S").source:sub(2):match("(.*/)") .. "ardour_engine.lua")
start_engine()
assert(create_session(session_dir, "presets", 48000), "no session")

local expected_count = tonumber(os.getenv("LOBESHIFT_PRESET_COUNT"))
local vst3 = plugin_format == "VST3"
-- "Close Vocal": Low Frequency 60 Hz (normalized 0.5), Mid Type 0.4, proximity
-- compensation on; Ardour reads a VST 3 plug-in's plain values, a VST 2 one's normalized.
local close_vocal = { [1] = vst3 and 60.0 or 0.5, [3] = vst3 and 1000.0 or 2.0 / 7.0, [2] = 0.4, [9] = 1.0 }

for _, v in ipairs(variants) do
  local track = Session:new_audio_track(v.inputs, 2, nil, 1, v.name, ARDOUR.PresentationInfo.max_order,
                                        ARDOUR.TrackMode.Normal, true):front()
  local processor = ARDOUR.LuaAPI.new_plugin(Session, v.name, plugin_type, "")
  assert(not processor:isnil(), "Ardour cannot instantiate " .. v.name)
  assert(track:add_processor_by_index(processor, 0, nil, true) == 0, "Ardour cannot insert " .. v.name)
  local plugin = processor:to_insert():plugin(0)

  local listed = 0
  for preset in plugin:get_info():get_presets(false):iter() do
    if not vst3 or preset.uri:find("^VST3%-S:") then listed = listed + 1 end
  end
  print(string.format("%-17s %s: %d presets listed", v.name, plugin_format, listed))
  assert(listed == expected_count, "expected " .. expected_count .. " presets")

  local preset = plugin:preset_by_label("Close Vocal")
  assert(preset, "no preset \"Close Vocal\"")
  assert(plugin:load_preset(preset), "Ardour could not load \"Close Vocal\"")
  local read, all_set = parameters_when_set(processor, close_vocal)
  for id in pairs(close_vocal) do
    print(string.format("%-17s Close Vocal: parameter %d reads %.4f", v.name, id, read[id]))
  end
  assert(all_set, "the preset did not set every parameter")
end
close_session()
